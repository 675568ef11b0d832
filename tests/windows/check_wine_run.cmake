# wine-run.sh names a program that Wine did not start a harness failure,
# with Wine's own message, and leaves a program that started and failed
# alone.
#   cmake -DWINE_RUN=... -DCANNOT_START=... -DSTARTS_AND_FAILS=... -P check_wine_run.cmake

execute_process(COMMAND ${WINE_RUN} ${CANNOT_START}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(all "${out}${err}")
if(status EQUAL 0)
  message(FATAL_ERROR "a program that cannot start ended with status 0:\n${all}")
endif()
if(NOT err MATCHES "wine-run: HARNESS FAILURE, not a test result: Wine did not start")
  message(FATAL_ERROR "no harness failure for a program that cannot start:\n${all}")
endif()
# Wine's own reason: the DLL it could not find.
if(NOT err MATCHES "varnelo_absent\\.dll")
  message(FATAL_ERROR "Wine's own message is missing:\n${all}")
endif()

execute_process(COMMAND ${WINE_RUN} ${STARTS_AND_FAILS}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "a program that failed with status 1 ended with ${status}:\n${out}${err}")
endif()
if(err MATCHES "HARNESS FAILURE")
  message(FATAL_ERROR "a program that started was called a harness failure:\n${out}${err}")
endif()
