# Every source that matlab/build_mex.m compiles builds with its flags even
# when Windows XP's version (0x0502) comes first, as older MinGW-w64
# headers, the MATLAB add-on's among them, default to it. The sources and
# the flags are read from build_mex.m itself; the project's own mex.h
# stands in for MATLAB's.
#   cmake -DCXX=<MinGW-w64 g++> -DSOURCE_DIR=<source tree> -P check_build_mex.cmake

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

# Its preprocessor options (every '-D...' and '-U...' it passes) and the
# MinGW-w64 compiler flags it adds ('CXXFLAGS=$CXXFLAGS ...').
string(REGEX MATCHALL "'-[DU][^']+'" defines "${script}")
string(REPLACE "'" "" defines "${defines}")
if(NOT script MATCHES "'CXXFLAGS=\\$CXXFLAGS ([^']+)'")
  message(FATAL_ERROR "found no MinGW-w64 CXXFLAGS in ${script_path}")
endif()
separate_arguments(cxxflags UNIX_COMMAND "${CMAKE_MATCH_1}")
string(JOIN " " shown ${defines} ${cxxflags})

execute_process(
  COMMAND ${CXX} -fsyntax-only -D_WIN32_WINNT=0x0502 -DWINVER=0x0502 ${defines} ${cxxflags}
          -I${src} -I${src}/host/api -DVARNELO_HOST_MATLAB_700 ${sources}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "build_mex.m's sources do not compile over Windows XP's version "
                      "with its flags (${shown}):\n${out}${err}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources compile with ${shown} after -D_WIN32_WINNT=0x0502")
