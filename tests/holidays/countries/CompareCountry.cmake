# Runs wispane-holidays for one country and checks its listing with compare_country.py.
#   cmake -DCOMMAND=program|arg|... -DOUTPUT=file -DCOMPARE=python|compare_country.py
#         -DSECTION=DEU -DEXPECTED=file -P CompareCountry.cmake
# The arguments are separated by "|" so that they survive as one -D value.
string(REPLACE "|" ";" command "${COMMAND}")
string(REPLACE "|" " " shown "${COMMAND}")
execute_process(COMMAND ${command}
  OUTPUT_FILE "${OUTPUT}" ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${shown}\nexited with ${status}:\n${errors}")
endif()
# The comparison prints its own report of the differing days.
string(REPLACE "|" ";" compare "${COMPARE}")
execute_process(COMMAND ${compare} "${SECTION}" "${OUTPUT}" "${EXPECTED}" RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${shown}\ngives ${OUTPUT}, which differs from ${EXPECTED} (above)")
endif()
