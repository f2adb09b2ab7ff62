# Fails when PROGRAM needs a DLL that Windows does not bring itself, such as the
# compiler's runtime (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll):
# the release holds the program alone, and it must start on a bare system.
#
#   cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DPROGRAM=WispaneCalendar.exe -P check-imports.cmake

cmake_minimum_required(VERSION 3.25)
set(SYSTEM_DLLS
  advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll ole32.dll
  oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll winmm.dll)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
set(foreign)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "DLL Name: *" "" dll "${line}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST SYSTEM_DLLS)
    list(APPEND foreign ${dll})
  endif()
endforeach()
list(JOIN lines "\n  " listed)
message(STATUS "${PROGRAM} imports:\n  ${listed}")
if(foreign)
  message(FATAL_ERROR "${PROGRAM} needs DLLs that Windows does not ship: ${foreign}")
endif()
