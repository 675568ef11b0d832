# The Octave package: build/varnelo-control-<version>.tar.gz, installable with
# `pkg install`. It carries a prebuilt module, so it fits the Octave version
# and architecture it was built with. The module is the libusb one for real
# instruments when that is built, else the simulated one; VARNELO_PACKAGE_MODULE
# set to "sim" packages the simulated one in any case.
set(VARNELO_PACKAGE_VERSION 1.0.0 CACHE STRING "Version of the Octave package")
set(VARNELO_PACKAGE_MODULE "" CACHE STRING
  "Module in the Octave package: octave, sim, or empty for octave when it is built")

if(VARNELO_PACKAGE_MODULE STREQUAL "sim" OR NOT TARGET varnelo_octave)
  set(package_module_target varnelo_octave_sim)
else()
  set(package_module_target varnelo_octave)
endif()

set(package_file ${CMAKE_BINARY_DIR}/varnelo-control-${VARNELO_PACKAGE_VERSION}.tar.gz)
add_custom_command(OUTPUT ${package_file}
  COMMAND ${CMAKE_COMMAND}
    -DMODULE=$<TARGET_FILE:${package_module_target}>
    -DHELP=${VARNELO_HELP_SOURCE}
    -DREADER=${VARNELO_READER_SOURCE}
    -DTEMPLATES=${CMAKE_CURRENT_SOURCE_DIR}/packaging/octave
    -DVERSION=${VARNELO_PACKAGE_VERSION}
    -DSTAGING=${CMAKE_BINARY_DIR}/package
    -DOUTPUT=${package_file}
    -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/octave/make_package.cmake
  DEPENDS ${package_module_target} ${VARNELO_HELP_SOURCE} ${VARNELO_READER_SOURCE}
    ${CMAKE_CURRENT_SOURCE_DIR}/packaging/octave/make_package.cmake
    ${CMAKE_CURRENT_SOURCE_DIR}/packaging/octave/DESCRIPTION.in
    ${CMAKE_CURRENT_SOURCE_DIR}/packaging/octave/INDEX
    ${CMAKE_CURRENT_SOURCE_DIR}/packaging/octave/COPYING
    ${VARNELO_LSL_DIR}/LICENSE ${VARNELO_PUGIXML_DIR}/LICENSE.md
  COMMENT "Octave package varnelo-control-${VARNELO_PACKAGE_VERSION}.tar.gz")
add_custom_target(octave_package DEPENDS ${package_file})
