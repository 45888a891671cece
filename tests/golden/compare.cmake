# Plays SCRIPT through DRIVER and compares its standard output with EXPECTED.
# With an EXPECTED_ERROR file the driver must fail with status 2 and print exactly that
# on standard error; otherwise it must succeed and print nothing there.
execute_process(
  COMMAND ${DRIVER}
  INPUT_FILE ${SCRIPT}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(WRITE ${ACTUAL} "${actual}")
file(READ ${EXPECTED} expected)

if(EXISTS ${EXPECTED_ERROR})
  file(READ ${EXPECTED_ERROR} expected_errors)
  if(NOT status EQUAL 2)
    message(FATAL_ERROR "${SCRIPT}: exit status ${status}, expected 2")
  endif()
  if(NOT errors STREQUAL expected_errors)
    message(FATAL_ERROR "${SCRIPT}: standard error was\n${errors}expected\n${expected_errors}")
  endif()
else()
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${SCRIPT}: exit status ${status}\n${errors}")
  endif()
  if(NOT errors STREQUAL "")
    message(FATAL_ERROR "${SCRIPT}: unexpected standard error\n${errors}")
  endif()
endif()

if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL} OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "${SCRIPT}: output differs from ${EXPECTED}\n${difference}")
endif()
