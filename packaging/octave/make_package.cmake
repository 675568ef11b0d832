# Assembles an Octave package tarball from a built module:
#   cmake -DMODULE=<VarneloControl.mex> -DHELP=<VarneloControl.m>
#         -DREADER=<VarneloReadRecording.m> -DTEMPLATES=<this folder> -DVERSION=<x.y.z> -DSTAGING=<dir>
#         -DOUTPUT=<file.tar.gz> -P make_package.cmake
# The tarball holds one folder, varnelo-control-<version>/, with DESCRIPTION,
# COPYING, INDEX and inst/ (the module, its help text and the recording
# reader), as pkg install expects. COPYING ends with the licences of liblsl
# and pugixml (third_party), which are compiled into the module; pkg install
# keeps it with the installed package.
foreach(var MODULE HELP READER TEMPLATES VERSION STAGING OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_package.cmake: ${var} is not set")
  endif()
endforeach()
if(NOT EXISTS ${MODULE})
  message(FATAL_ERROR "make_package.cmake: no module at ${MODULE}")
endif()

set(name varnelo-control-${VERSION})
set(root ${STAGING}/${name})
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root}/inst)

# pkg wants a date; SOURCE_DATE_EPOCH, when set, makes it reproducible.
string(TIMESTAMP PACKAGE_DATE "%Y-%m-%d" UTC)
set(PACKAGE_VERSION ${VERSION})
configure_file(${TEMPLATES}/DESCRIPTION.in ${root}/DESCRIPTION @ONLY)
file(COPY ${TEMPLATES}/INDEX DESTINATION ${root})
file(READ ${TEMPLATES}/COPYING copying)
get_filename_component(third_party ${TEMPLATES}/../../third_party ABSOLUTE)
foreach(library liblsl/LICENSE pugixml/LICENSE.md)
  string(REGEX REPLACE "/.*" "" library_name ${library})
  file(READ ${third_party}/${library} licence)
  string(APPEND copying "\n\n---------------------------------------------------------------------\n"
    "${library_name}, compiled into the module (third_party/${library_name}), is distributed\n"
    "under this licence:\n\n${licence}")
endforeach()
file(WRITE ${root}/COPYING "${copying}")
file(COPY ${MODULE} ${HELP} ${READER} DESTINATION ${root}/inst)

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar czf ${OUTPUT} ${name}
  WORKING_DIRECTORY ${STAGING} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_package.cmake: tar failed (${rc})")
endif()
message(STATUS "Octave package: ${OUTPUT}")
