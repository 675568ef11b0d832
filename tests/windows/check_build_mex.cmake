# matlab/build_mex.m builds what the CMake build builds:
#   - every source of the module's core (CORE_SOURCES), and liblsl and
#     pugixml with the sources, definitions, include folders and Windows
#     libraries of the CMake target varnelo_lsl (LSL_*, '|'-separated);
#   - no two sources share a name: mex puts every object in one folder;
#   - the module's own sources compile with its flags even when Windows
#     XP's version (0x0502) comes first, as older MinGW-w64 headers, the
#     MATLAB add-on's among them, default to it.
# Everything is read from build_mex.m itself; the project's own mex.h stands
# in for MATLAB's. liblsl's sources are left to the build, which compiles
# them with the same compiler.
#   cmake -DCXX=<MinGW-w64 g++> -DSOURCE_DIR=<source tree> -DCORE_SOURCES=...
#         -DLSL_SOURCES=... -DLSL_DEFINITIONS=... -DLSL_INCLUDES=... -DLSL_LIBRARIES=...
#         -P check_build_mex.cmake

cmake_minimum_required(VERSION 3.20)
set(script_path ${SOURCE_DIR}/matlab/build_mex.m)
file(READ ${script_path} script)
set(src ${SOURCE_DIR}/src)

# The folders whose every .cpp it takes: for part = {'gateway', ...}
string(REGEX MATCH "for part = {([^}]*)}" found "${script}")
string(REGEX MATCHALL "'[^']+'" folders "${CMAKE_MATCH_1}")
set(sources)
foreach(folder IN LISTS folders)
  string(REPLACE "'" "" folder ${folder})
  file(GLOB in_folder ${src}/${folder}/*.cpp)
  list(APPEND sources ${in_folder})
endforeach()
# The single files: fullfile(src, 'platform', 'windows', 'platform_win32.cpp')
string(REGEX MATCHALL "fullfile\\(src, '[^)]*\\.cpp'\\)" files "${script}")
foreach(file IN LISTS files)
  string(REGEX MATCHALL "'[^']+'" parts "${file}")
  string(REPLACE "'" "" parts "${parts}")
  string(REPLACE ";" "/" relative "${parts}")
  list(APPEND sources ${src}/${relative})
endforeach()
list(LENGTH folders folder_count)
list(LENGTH files file_count)
if(folder_count EQUAL 0 OR file_count EQUAL 0)
  message(FATAL_ERROR "found no source folders or no single sources in ${script_path}")
endif()
set(third_party ${SOURCE_DIR}/third_party)
# liblsl's and pugixml's, as paths under third_party: 'liblsl/src/common.cpp'
string(REGEX MATCHALL "'(liblsl|pugixml)/[^']+\\.cpp'" lsl_sources "${script}")
string(REGEX REPLACE "'([^';]+)'" "${third_party}/\\1" lsl_sources "${lsl_sources}")
# Its include folders under third_party: lslFolders = {'liblsl/include', ...}
string(REGEX MATCH "lslFolders = {([^}]*)}" found "${script}")
string(REGEX MATCHALL "'[^']+'" lsl_includes "${CMAKE_MATCH_1}")
string(REGEX REPLACE "'([^';]+)'" "${third_party}/\\1" lsl_includes "${lsl_includes}")
string(REGEX MATCHALL "'-l[^']+'" libraries "${script}")
string(REGEX REPLACE "'-l([^';]+)'" "\\1" libraries "${libraries}")

set(errors)
# expect_all(WHAT EXPECTED FOUND): every item of EXPECTED ('|'-separated)
# is in the list FOUND.
function(expect_all what expected found)
  string(REPLACE "|" ";" expected "${expected}")
  foreach(item IN LISTS expected)
    if(item AND NOT item IN_LIST found)
      list(APPEND errors "${what} ${item}")
    endif()
  endforeach()
  set(errors ${errors} PARENT_SCOPE)
endfunction()
string(REGEX MATCHALL "'-[DU][^']+'" defines "${script}")
string(REPLACE "'" "" defines "${defines}")
string(REGEX REPLACE "(^|;)-D" "\\1" defined "${defines}")
expect_all("does not compile" "${CORE_SOURCES}" "${sources}")
expect_all("does not compile" "${LSL_SOURCES}" "${lsl_sources}")
# _USE_MATH_DEFINES is the test programs' own (cmake/Windows.cmake).
string(REPLACE "_USE_MATH_DEFINES" "" lsl_definitions "${LSL_DEFINITIONS}")
expect_all("does not define" "${lsl_definitions}" "${defined}")
# liblsl's own folders, not the build tree's.
string(REGEX MATCHALL "${third_party}/[^|]+" lsl_target_includes "${LSL_INCLUDES}")
list(JOIN lsl_target_includes "|" lsl_target_includes)
expect_all("does not search" "${lsl_target_includes}" "${lsl_includes}")
# The system libraries liblsl links (Threads::Threads is the compiler's own).
string(REPLACE "|" ";" lsl_libraries "${LSL_LIBRARIES}")
list(FILTER lsl_libraries INCLUDE REGEX "^[a-z0-9_]+$")
list(JOIN lsl_libraries "|" lsl_libraries)
expect_all("does not link" "${lsl_libraries}" "${libraries}")
set(names)
foreach(file IN LISTS sources lsl_sources)
  get_filename_component(name ${file} NAME_WE)
  if(name IN_LIST names)
    list(APPEND errors "compiles two sources named ${name}: mex would keep one object")
  endif()
  list(APPEND names ${name})
endforeach()
if(errors)
  list(JOIN errors "\n  " text)
  message(FATAL_ERROR "matlab/build_mex.m does not build what the CMake build builds:\n  ${text}")
endif()

# The MinGW-w64 compiler flags it adds ('CXXFLAGS=$CXXFLAGS ...').
if(NOT script MATCHES "'CXXFLAGS=\\$CXXFLAGS ([^']+)'")
  message(FATAL_ERROR "found no MinGW-w64 CXXFLAGS in ${script_path}")
endif()
separate_arguments(cxxflags UNIX_COMMAND "${CMAKE_MATCH_1}")
list(TRANSFORM lsl_includes PREPEND -I OUTPUT_VARIABLE lsl_include_flags)
string(JOIN " " shown ${defines} ${cxxflags})

execute_process(
  COMMAND ${CXX} -fsyntax-only -D_WIN32_WINNT=0x0502 -DWINVER=0x0502 ${defines} ${cxxflags}
          -I${src} -I${src}/host/api ${lsl_include_flags} -DVARNELO_HOST_MATLAB_700 ${sources}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "build_mex.m's sources do not compile over Windows XP's version "
                      "with its flags (${shown}):\n${out}${err}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources compile with ${shown} after -D_WIN32_WINNT=0x0502")
