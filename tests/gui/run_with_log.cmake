# Runs a Qt Test program under an emulator (Wine) with its log written to a
# file, then prints the log and fails when the program failed or left no
# complete log. Under Wine a Qt Test program's standard output comes back
# empty; a log file does not.
#
#   cmake -DEMULATOR=wine -DPROGRAM=gui_test_frame.exe -DLOG=gui_test_frame.log \
#     -P run_with_log.cmake
file(REMOVE ${LOG})
execute_process(COMMAND ${EMULATOR} ${PROGRAM} -o ${LOG},txt RESULT_VARIABLE status)
if(NOT EXISTS ${LOG})
  message(FATAL_ERROR "${PROGRAM} wrote no log (exit status ${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${LOG})
file(READ ${LOG} log)
if(NOT log MATCHES "\nTotals: [0-9]+ passed, [0-9]+ failed")
  message(FATAL_ERROR "${PROGRAM}: the log has no totals (exit status ${status})")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM}: exit status ${status}")
endif()
