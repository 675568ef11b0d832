# The Python package varnelo: the module's core on the standalone host,
# behind the pybind11 glue in src/host/python, one extension per USB backend
# (varnelo._sim, varnelo._usb), with the package's pure-Python files beside
# them in build/python/varnelo. PYTHONPATH=build/python imports it.
#
# The interpreter must have numpy and pybind11: the python3 first on PATH
# may not (a pyenv one), so scripts/find_python.sh picks one unless
# Python3_EXECUTABLE is given.
if(NOT Python3_EXECUTABLE)
  execute_process(COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/find_python.sh --say
    OUTPUT_VARIABLE VARNELO_FOUND_PYTHON ERROR_VARIABLE VARNELO_PYTHON_SAID
    RESULT_VARIABLE VARNELO_PYTHON_RC OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_STRIP_TRAILING_WHITESPACE)
  if(NOT VARNELO_PYTHON_RC EQUAL 0)
    message(WARNING "The Python package is not built:\n${VARNELO_PYTHON_SAID}")
    return()
  endif()
  message(STATUS "${VARNELO_PYTHON_SAID}")
  set(Python3_EXECUTABLE ${VARNELO_FOUND_PYTHON} CACHE FILEPATH "Interpreter for the varnelo package")
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter Development.Module)
# The pybind11 that belongs to that interpreter (Debian: pybind11-dev).
execute_process(COMMAND ${Python3_EXECUTABLE} -c "import pybind11; print(pybind11.get_cmake_dir())"
  OUTPUT_VARIABLE VARNELO_PYBIND11_DIR OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
find_package(pybind11 CONFIG REQUIRED HINTS ${VARNELO_PYBIND11_DIR})

set(VARNELO_PYTHON_DIR ${CMAKE_BINARY_DIR}/python/varnelo)

# varnelo_add_python_extension(<target> <module name> <backend library> <backend name>)
function(varnelo_add_python_extension target name backend backend_name)
  pybind11_add_module(${target} MODULE ${VARNELO_SRC}/host/python/python_host.cpp)
  target_compile_definitions(${target} PRIVATE
    VARNELO_PYTHON_MODULE=${name} VARNELO_PYTHON_BACKEND="${backend_name}")
  target_link_libraries(${target} PRIVATE varnelo_core_standalone varnelo_host_standalone
    ${backend} varnelo_platform)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name}
    LIBRARY_OUTPUT_DIRECTORY ${VARNELO_PYTHON_DIR})
  add_dependencies(${target} varnelo_python_files)
endfunction()

# The pure-Python part, copied beside the extensions at build time.
file(GLOB VARNELO_PYTHON_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/python/varnelo/*.py
  ${CMAKE_SOURCE_DIR}/python/varnelo/py.typed)
set(VARNELO_PYTHON_COPIES "")
foreach(file ${VARNELO_PYTHON_FILES})
  get_filename_component(base ${file} NAME)
  add_custom_command(OUTPUT ${VARNELO_PYTHON_DIR}/${base}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${VARNELO_PYTHON_DIR}/${base}
    DEPENDS ${file})
  list(APPEND VARNELO_PYTHON_COPIES ${VARNELO_PYTHON_DIR}/${base})
endforeach()
add_custom_target(varnelo_python_files ALL DEPENDS ${VARNELO_PYTHON_COPIES})

varnelo_add_python_extension(varnelo_python_sim _sim varnelo_sim sim)
set(VARNELO_PYTHON_EXTENSIONS _sim)
if(VARNELO_LIBUSB AND TARGET varnelo_usb_libusb)
  varnelo_add_python_extension(varnelo_python_usb _usb varnelo_usb_libusb libusb)
  list(APPEND VARNELO_PYTHON_EXTENSIONS _usb)
endif()
# For setup.py and the scripts: the extensions this configuration builds,
# and the interpreter they are for.
string(REPLACE ";" "\n" VARNELO_PYTHON_EXTENSIONS_TEXT "${VARNELO_PYTHON_EXTENSIONS}")
file(WRITE ${CMAKE_BINARY_DIR}/python/extensions "${VARNELO_PYTHON_EXTENSIONS_TEXT}\n")
file(WRITE ${CMAKE_BINARY_DIR}/python/interpreter "${Python3_EXECUTABLE}\n")
