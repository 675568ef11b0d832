# The GNU Octave modules. Octave loads only the .mex extension; the mx/mex
# symbols resolve from the Octave process at load time, so liboctinterp is
# not linked and --no-undefined must not be used.
find_program(MKOCTFILE mkoctfile REQUIRED)
execute_process(COMMAND ${MKOCTFILE} -p OCTINCLUDEDIR
  OUTPUT_VARIABLE OCTAVE_INCLUDE_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)

varnelo_add_core(varnelo_core_octave ${OCTAVE_INCLUDE_DIR} VARNELO_HOST_OCTAVE)

set(VARNELO_HELP_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/matlab/VarneloControl.m)
set(VARNELO_READER_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/matlab/VarneloReadRecording.m)

# varnelo_add_octave_module(<target> <output dir> <usb backend library>)
function(varnelo_add_octave_module target outdir backend)
  add_library(${target} MODULE)
  target_link_libraries(${target} PRIVATE varnelo_core_octave ${backend} varnelo_platform)
  set_target_properties(${target} PROPERTIES
    PREFIX "" SUFFIX ".mex" OUTPUT_NAME VarneloControl
    LIBRARY_OUTPUT_DIRECTORY ${outdir})
  # The help text lands beside the module: `help VarneloControl` reads the
  # comment-only .m file while calls go to the .mex. The recording reader
  # goes with them.
  add_custom_command(OUTPUT ${outdir}/VarneloControl.m ${outdir}/VarneloReadRecording.m
    COMMAND ${CMAKE_COMMAND} -E copy ${VARNELO_HELP_SOURCE} ${outdir}/VarneloControl.m
    COMMAND ${CMAKE_COMMAND} -E copy ${VARNELO_READER_SOURCE} ${outdir}/VarneloReadRecording.m
    DEPENDS ${VARNELO_HELP_SOURCE} ${VARNELO_READER_SOURCE})
  add_custom_target(${target}_help DEPENDS ${outdir}/VarneloControl.m ${outdir}/VarneloReadRecording.m)
  add_dependencies(${target} ${target}_help)
endfunction()

# Against the simulated instrument: build/sim/VarneloControl.mex
varnelo_add_octave_module(varnelo_octave_sim ${CMAKE_BINARY_DIR}/sim varnelo_sim)
# Against real instruments through libusb: build/octave/VarneloControl.mex
if(VARNELO_LIBUSB AND TARGET varnelo_usb_libusb)
  varnelo_add_octave_module(varnelo_octave ${CMAKE_BINARY_DIR}/octave varnelo_usb_libusb)
endif()

# The Octave package tarball (target octave_package).
include(${CMAKE_CURRENT_LIST_DIR}/OctavePackage.cmake)

# The standalone host's spline as an Octave function, so that the Octave
# suite can compare it with Octave's own spline.
if(VARNELO_TESTS)
  add_library(spline_probe MODULE ${CMAKE_SOURCE_DIR}/tests/octave/probe/spline_probe.cpp
    ${VARNELO_SRC}/host/standalone/spline.cpp)
  target_include_directories(spline_probe PRIVATE ${VARNELO_SRC} ${OCTAVE_INCLUDE_DIR})
  set_target_properties(spline_probe PROPERTIES PREFIX "" SUFFIX ".mex"
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/probe)
endif()
