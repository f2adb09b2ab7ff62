# Runs a command and compares its standard output with a file: byte for byte, or
# by a comparing command that is given the output and the expected file.
#   cmake -DCOMMAND=program|arg|... -DEXPECTED=file -DOUTPUT=file [-DCOMPARE=program|arg|...]
#         -P CompareOutput.cmake
# The arguments are separated by "|" so that they survive as one -D value.
string(REPLACE "|" ";" command "${COMMAND}")
string(REPLACE "|" " " shown "${COMMAND}")
execute_process(COMMAND ${command}
  OUTPUT_FILE "${OUTPUT}" ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${shown}\nexited with ${status}:\n${errors}")
endif()
if(COMPARE)
  # The comparing command prints its own report of the differences.
  string(REPLACE "|" ";" compare "${COMPARE}")
  execute_process(COMMAND ${compare} "${OUTPUT}" "${EXPECTED}" RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${shown}\ngives ${OUTPUT}, which differs from ${EXPECTED} (above)")
  endif()
  return()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}" "${EXPECTED}"
  RESULT_VARIABLE different)
if(different)
  execute_process(COMMAND diff "${EXPECTED}" "${OUTPUT}" OUTPUT_VARIABLE differences)
  message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}:\n${differences}")
endif()
