# The GNU Octave modules. Octave loads only the .mex extension; the mx/mex
# symbols resolve from the Octave process at load time, so liboctinterp is
# not linked and --no-undefined must not be used.
find_program(MKOCTFILE mkoctfile REQUIRED)
execute_process(COMMAND ${MKOCTFILE} -p OCTINCLUDEDIR
  OUTPUT_VARIABLE OCTAVE_INCLUDE_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)

varnelo_add_core(varnelo_core_octave ${OCTAVE_INCLUDE_DIR} "")

# varnelo_add_octave_module(<target> <output dir> <usb backend library>)
function(varnelo_add_octave_module target outdir backend)
  add_library(${target} MODULE)
  target_link_libraries(${target} PRIVATE varnelo_core_octave ${backend} varnelo_platform)
  set_target_properties(${target} PROPERTIES
    PREFIX "" SUFFIX ".mex" OUTPUT_NAME VarneloControl
    LIBRARY_OUTPUT_DIRECTORY ${outdir})
endfunction()

# Against the simulated instrument: build/sim/VarneloControl.mex
varnelo_add_octave_module(varnelo_octave_sim ${CMAKE_BINARY_DIR}/sim varnelo_sim)
# Against real instruments through libusb: build/octave/VarneloControl.mex
if(VARNELO_LIBUSB AND TARGET varnelo_usb_libusb)
  varnelo_add_octave_module(varnelo_octave ${CMAKE_BINARY_DIR}/octave varnelo_usb_libusb)
endif()
