# liblsl (third_party/liblsl) built from its sources as one static library
# of this project's own, varnelo_lsl, that goes into the Octave modules, the
# Python extensions and VarneloControl.mexw64. liblsl's own CMake files are
# not used: they ask for a newer CMake than Debian 12 has, and they add
# install, packaging and git steps that this build does not want.
#
# What consumers get from varnelo_lsl:
#   - include/lsl_c.h and include/lsl_cpp.h on the include path;
#   - LIBLSL_STATIC, so that the headers declare neither dllimport (Windows)
#     nor default visibility (Linux): liblsl's functions stay inside the
#     module that links them;
#   - on Windows, the system libraries liblsl calls (Winsock and friends);
#   - on Linux, a link option that keeps every symbol of liblsl's archive,
#     and of Debian's static pugixml, out of the module's dynamic symbol
#     table (the C++ library's templates that liblsl instantiates would
#     otherwise leave the module as weak symbols). On Windows the modules
#     export what their .def file lists.
#
# pugixml: Debian's libpugixml-dev on Linux, linked statically, so that the
# modules need no libpugixml.so at run time; the copy in third_party/pugixml
# (the same version, 1.13) on Windows, or anywhere VARNELO_VENDORED_PUGIXML
# is on. Nothing is fetched.

set(VARNELO_LSL_DIR ${CMAKE_SOURCE_DIR}/third_party/liblsl)
set(VARNELO_PUGIXML_DIR ${CMAKE_SOURCE_DIR}/third_party/pugixml)
if(WIN32)
  set(vendored_pugixml_default ON)
else()
  set(vendored_pugixml_default OFF)
endif()
option(VARNELO_VENDORED_PUGIXML "Build pugixml from third_party/pugixml instead of Debian's"
  ${vendored_pugixml_default})

find_package(Threads REQUIRED)

# The sources liblsl's own build compiles, in its default configuration
# (no legacy C++ ABI). asio_objects.cpp holds asio's out-of-line code once
# (ASIO_SEPARATE_COMPILATION) instead of in every source that uses asio,
# which takes a third to a half off those sources' compile times.
set(lsl_sources
  api_config.cpp buildinfo.cpp cancellation.cpp common.cpp consumer_queue.cpp
  data_receiver.cpp info_receiver.cpp inlet_connection.cpp lsl_inlet_c.cpp
  lsl_outlet_c.cpp lsl_resolver_c.cpp lsl_streaminfo_c.cpp lsl_xml_element_c.cpp
  netinterfaces.cpp resolve_attempt_udp.cpp resolver_impl.cpp sample.cpp
  send_buffer.cpp socket_utils.cpp stream_info_impl.cpp stream_outlet_impl.cpp
  tcp_server.cpp time_postprocessor.cpp time_receiver.cpp udp_server.cpp
  util/cast.cpp util/endian.cpp util/inireader.cpp util/strfuns.cpp)
list(TRANSFORM lsl_sources PREPEND ${VARNELO_LSL_DIR}/src/)
list(APPEND lsl_sources
  ${VARNELO_LSL_DIR}/thirdparty/loguru/loguru.cpp
  ${VARNELO_LSL_DIR}/thirdparty/asio_objects.cpp)

add_library(varnelo_lsl STATIC ${lsl_sources})
set_target_properties(varnelo_lsl PROPERTIES
  POSITION_INDEPENDENT_CODE ON
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(varnelo_lsl PUBLIC ${VARNELO_LSL_DIR}/include)
target_include_directories(varnelo_lsl SYSTEM PRIVATE
  ${VARNELO_LSL_DIR}/lslboost
  ${VARNELO_LSL_DIR}/thirdparty/asio
  ${VARNELO_LSL_DIR}/thirdparty/loguru)
target_compile_definitions(varnelo_lsl
  PUBLIC LIBLSL_STATIC
  PRIVATE
    BOOST_ALL_NO_LIB
    ASIO_NO_DEPRECATED
    ASIO_SEPARATE_COMPILATION
    # asio would otherwise push default visibility around its own classes.
    ASIO_DISABLE_VISIBILITY
    # liblsl's debug log stays off: with it, loguru installs signal handlers
    # in the host process.
    LOGURU_DEBUG_LOGGING=0
    LOGURU_STACKTRACES=0)
set_source_files_properties(${VARNELO_LSL_DIR}/src/buildinfo.cpp PROPERTIES COMPILE_DEFINITIONS
  "LSL_LIBRARY_INFO_STR=\"git:v1.17.7/branch:vendored/build:${CMAKE_BUILD_TYPE}/compiler:${CMAKE_CXX_COMPILER_ID}-${CMAKE_CXX_COMPILER_VERSION}/link:STATIC\"")
# Third-party code: its warnings are not this project's to fix. Without
# debug information (-g0) it builds about a quarter faster; its symbols still
# name its functions in a backtrace.
target_compile_options(varnelo_lsl PRIVATE -w -g0)
# In the sanitizer builds liblsl is built with AddressSanitizer or
# ThreadSanitizer like the rest, but without UndefinedBehaviorSanitizer,
# which triples its compile time (asio) for code this project does not own.
if(VARNELO_SANITIZE STREQUAL "address")
  target_compile_options(varnelo_lsl PRIVATE -fno-sanitize=undefined)
endif()
target_link_libraries(varnelo_lsl PUBLIC Threads::Threads)
if(WIN32)
  target_compile_definitions(varnelo_lsl PRIVATE _CRT_SECURE_NO_WARNINGS)
  target_link_libraries(varnelo_lsl PUBLIC ws2_32 mswsock iphlpapi winmm bcrypt)
endif()

if(VARNELO_VENDORED_PUGIXML)
  target_sources(varnelo_lsl PRIVATE ${VARNELO_PUGIXML_DIR}/pugixml.cpp)
  target_include_directories(varnelo_lsl SYSTEM PRIVATE ${VARNELO_PUGIXML_DIR})
else()
  find_package(pugixml 1.13 CONFIG QUIET)
  if(NOT TARGET pugixml::static)
    message(FATAL_ERROR "liblsl needs pugixml 1.13 or newer: install Debian's libpugixml-dev "
      "(scripts/setup.sh does), or configure with -DVARNELO_VENDORED_PUGIXML=ON")
  endif()
  target_link_libraries(varnelo_lsl PRIVATE pugixml::static)
  list(APPEND lsl_hidden_archives libpugixml.a)
endif()

if(NOT WIN32)
  list(APPEND lsl_hidden_archives $<TARGET_FILE_NAME:varnelo_lsl>)
  list(JOIN lsl_hidden_archives ":" lsl_hidden_archives)
  target_link_options(varnelo_lsl INTERFACE "LINKER:--exclude-libs=${lsl_hidden_archives}")
endif()
