# Runs fillmap-table with ARGS (a ;-list) and checks its exit status and, when given, that its
# standard output equals the file STDOUT_FILE and its standard error equals STDERR_TEXT.
# Extra environment comes as ENV (a ;-list of NAME=VALUE).
separate_arguments(arguments UNIX_COMMAND "${ARGS}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ${ENV} ${TOOL} ${arguments}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL EXPECTED_STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}\nstdout: ${out}\nstderr: ${err}")
endif()
if(DEFINED STDOUT_FILE)
  file(READ ${STDOUT_FILE} expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "stdout differs\n got: ${out}\nwant: ${expected}")
  endif()
endif()
if(DEFINED STDERR_TEXT AND NOT err STREQUAL "${STDERR_TEXT}\n")
  message(FATAL_ERROR "stderr differs\n got: ${err}\nwant: ${STDERR_TEXT}")
endif()
if(DEFINED STDOUT_REGEX AND NOT out MATCHES "${STDOUT_REGEX}")
  message(FATAL_ERROR "stdout does not match ${STDOUT_REGEX}\n got: ${out}")
endif()
