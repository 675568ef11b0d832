# varnelo_add_core(<target> <mex.h include dir> <extra definitions>)
# Builds the module's logic as an object library against one host API; a
# target that links it gets every object, mexFunction included.
function(varnelo_add_core target api_include definitions)
  add_library(${target} OBJECT ${VARNELO_CORE_SOURCES})
  target_include_directories(${target} PUBLIC ${VARNELO_SRC} ${api_include})
  if(definitions)
    target_compile_definitions(${target} PUBLIC ${definitions})
  endif()
  target_link_libraries(${target} PUBLIC varnelo_platform)
  # liblsl, for the streams (cmake/Lsl.cmake).
  target_link_libraries(${target} PUBLIC varnelo_lsl)
endfunction()
