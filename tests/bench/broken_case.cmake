# taketa-bench against a taketa-calc whose every run fails with exit status
# 64 (a usage error, as for a unit it does not know): the benchmark must
# fail and name the case, not pass over it.
#
#   cmake -DBENCH=path/to/taketa-bench -DWORK=folder -P broken_case.cmake
file(MAKE_DIRECTORY "${WORK}")
set(calc "${WORK}/failing-taketa-calc")
file(WRITE "${calc}" "#!/bin/sh\nexit 64\n")
file(CHMOD "${calc}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
execute_process(COMMAND "${BENCH}" --runs 1 --calc "${calc}" "pi 60000"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(status EQUAL 0)
  message(FATAL_ERROR "taketa-bench passed a case whose runs all failed:\n${out}")
endif()
if(NOT out MATCHES "pi 60000 +failed \\(exit 64\\)")
  message(FATAL_ERROR "taketa-bench did not name the failed case:\n${out}")
endif()
