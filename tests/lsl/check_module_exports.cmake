# Reads the dynamic symbol table of each Linux module (nm -D --defined-only)
# and fails on any symbol of liblsl or of what it brings (pugixml, asio,
# loguru). They are linked in statically and must stay inside: exported, they
# would bind to another copy of the same library in the host process (Octave,
# Python or another extension may load liblsl or pugixml too).
# Usage: cmake -DNM=... -DMODULES="a.mex;b.so" -P this file
cmake_minimum_required(VERSION 3.20)
if(NOT NM OR NOT MODULES)
  message(FATAL_ERROR "check_module_exports: NM and MODULES must be given")
endif()
set(errors "")
foreach(module IN LISTS MODULES)
  execute_process(COMMAND ${NM} -D -C --defined-only ${module}
    OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    list(APPEND errors "nm -D failed on ${module}")
    continue()
  endif()
  string(REGEX MATCHALL "[^\n]*(lsl_|lsl::|pugi::|asio::|loguru::)[^\n]*" leaked "${symbols}")
  list(LENGTH leaked count)
  if(count GREATER 0)
    list(GET leaked 0 first)
    list(APPEND errors "${module} exports ${count} symbols of liblsl's, such as: ${first}")
  endif()
endforeach()
if(errors)
  list(JOIN errors "\n  " text)
  message(FATAL_ERROR "Module exports:\n  ${text}")
endif()
