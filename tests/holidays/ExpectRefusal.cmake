# Runs a command that must refuse to run: the given exit status, nothing on
# standard output, one line on standard error that starts with the given text.
#   cmake -DCOMMAND=program|arg|... -DSTATUS=2 "-DMESSAGE=usage: " -P ExpectRefusal.cmake
# The arguments are separated by "|" so that they survive as one -D value.
string(REPLACE "|" ";" command "${COMMAND}")
string(REPLACE "|" " " shown "${COMMAND}")
execute_process(COMMAND ${command}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
string(REGEX MATCHALL "\n" line_ends "${errors}")
list(LENGTH line_ends lines)
string(FIND "${errors}" "${MESSAGE}" message_at)
if(NOT status EQUAL STATUS OR NOT output STREQUAL "" OR NOT lines EQUAL 1 OR NOT message_at EQUAL 0)
  message(FATAL_ERROR "${shown}\nexited with ${status}, output [${output}], errors [${errors}]")
endif()
