# cmake -DTOOL=program -DHERE=source-folder -DWORK=scratch-folder -P IcsToolSession.cmake
string(REPLACE "|" ";" tool "${TOOL}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${HERE}/settings.ini ${HERE}/school.ics DESTINATION ${WORK})
string(ASCII 80 75 3 4 20 255 254 junk)  # the start of a zip file
file(WRITE ${WORK}/junk.ics "${junk} not a calendar")
set(settings ${WORK}/settings.ini)

# Runs the tool; `status`, `output` and `errors` in the caller.
macro(run)
  execute_process(COMMAND ${tool} ${ARGN} WORKING_DIRECTORY ${WORK}
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
endmacro()
# Fails with `what` and the last run unless the condition, given as if()'s arguments
# naming variables only, holds.
function(expect what)
  cmake_language(EVAL CODE "if(NOT (${ARGN}))\n  set(failed TRUE)\nendif()")
  if(failed)
    message(FATAL_ERROR "${what}: exit ${status}, output [${output}], errors [${errors}]")
  endif()
endfunction()

run(import school.ics --settings settings.ini)
set(first "notes added: 2\ntexts joined to a day's note: 1\ntexts already there: 0\nevents skipped: 1\n  cancelled: 1\n")
expect("the first import"
  status EQUAL 0 AND output STREQUAL first)
file(READ ${settings} imported)
string(FIND "${imported}" "Schedule=12/16/2026,Piano; Recital" joined)
string(FIND "${imported}" "Schedule=12/18/2026,Dentist, Dr. Ito" second_day)
expect("the notes in the settings file [${imported}]"
  joined GREATER -1 AND second_day GREATER -1)

run(import school.ics --settings settings.ini)
file(READ ${settings} again)
set(second "notes added: 0\ntexts joined to a day's note: 0\ntexts already there: 3\nevents skipped: 1\n  cancelled: 1\n")
expect("the second import"
  status EQUAL 0 AND output STREQUAL second AND again STREQUAL imported)

run(import junk.ics --settings settings.ini)
file(READ ${settings} after_junk)
set(refusal "wispane-ics: junk.ics: not an iCalendar file; nothing was changed\n")
expect("the refused file"
  status EQUAL 1 AND errors STREQUAL refusal AND after_junk STREQUAL imported)

run(export --settings settings.ini out.ics)
file(READ ${WORK}/out.ics exported)
# file(READ) gives the line ends without their CR.
string(FIND "${exported}" "DTSTART;VALUE=DATE:20261217\nDTEND;VALUE=DATE:20261218\nSUMMARY:Dentist\\, Dr. Ito\n" event)
set(count "notes exported: 3\n")
expect("the export"
  status EQUAL 0 AND output STREQUAL count AND event GREATER -1)

file(WRITE ${WORK}/trip.ics "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261228\r\nSUMMARY:Trip\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
file(CHMOD ${settings} PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
run(import trip.ics --settings settings.ini)
file(CHMOD ${settings} PERMISSIONS OWNER_READ OWNER_WRITE)
file(READ ${settings} after_read_only)
string(FIND "${errors}" "cannot be written" refused)
expect("the import onto a read-only file"
  status EQUAL 1 AND refused GREATER -1 AND after_read_only STREQUAL imported)
