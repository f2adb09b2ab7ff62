# Runs a command and compares its standard output byte for byte with a file.
#   cmake -DCOMMAND=program|arg|... -DEXPECTED=file -DOUTPUT=file -P CompareOutput.cmake
# The arguments are separated by "|" so that they survive as one -D value.
string(REPLACE "|" ";" command "${COMMAND}")
string(REPLACE "|" " " shown "${COMMAND}")
execute_process(COMMAND ${command}
  OUTPUT_FILE "${OUTPUT}" ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${shown}\nexited with ${status}:\n${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}" "${EXPECTED}"
  RESULT_VARIABLE different)
if(different)
  execute_process(COMMAND diff "${EXPECTED}" "${OUTPUT}" OUTPUT_VARIABLE differences)
  message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}:\n${differences}")
endif()
