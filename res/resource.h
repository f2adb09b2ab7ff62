// Resource ids of Wispane Calendar, shared by the .rc files and the program.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX                    100
#define IDD_CALENDAR_DIALOG             102
#define IDD_SCHEDULE_EDITOR             133

// Menus, accelerators, icon and cursor
#define IDR_CALENDAR_ACCEL              102   // loaded under the main dialog's template id
#define IDR_MAINFRAME                   128   // the program icon and the invisible owner frame
#define IDR_OPTIONS_MENU                128
#define IDR_SCHEDULE_MENU               132
#define IDC_OPEN_HAND                   134   // cursor over the calendar title, where a press drags

// Controls
#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif
#define IDC_CALENDAR                    1001
#define IDC_APP_VERSION                 1008
#define IDC_APP_COPYRIGHT               1009
#define IDC_APP_MAIL                    1028
#define IDC_WEB_SITE                    1043
#define IDC_SCHEDULE_LIST               1049
#define IDC_DELETE_SCHEDULE             1053
#define IDC_RENAME_SCHEDULE             1054

// Commands of the options menu, the schedule menu and the accelerators
#define ID_APP_ABOUT                    32771
#define ID_SEE_THROUGH                  32772
#define ID_BACKGROUND_COLOR             32773
#define ID_CLOSE_BY_ESC                 32774
#define ID_NO_TODAY_MARK                32776
#define ID_SEE_THROUGH_TITLEBAR         32777
#define ID_PREV_MONTH                   32779
#define ID_NEXT_MONTH                   32780
#define ID_PREV_YEAR                    32781
#define ID_NEXT_YEAR                    32782
#define ID_GOTO_TODAY                   32783
#define ID_EDIT_SCHEDULE                32784
#define ID_ALWAYS_ON_TOP                32785
#define ID_CHOOSE_FONT                  32786
#define ID_SCHEDULE_COLOR               32787
#define ID_DELETE_SCHEDULE              32788
#define ID_TODAY_HIDE                   32793
#define ID_TODAY_DATE_ONLY              32794
#define ID_TODAY_TIME_ALSO              32795
#define ID_EXPORT_SCHEDULES             32796
#define ID_IMPORT_SCHEDULES             32797
#define ID_WEB_PAGE                     32914
#define ID_APP_EXIT                     57665
#define ID_HELP                         57670

// Strings
#define IDS_APP_NAME                    102   // application name and settings section
#define IDS_SETTINGS_NAME               130   // base name of the settings file
#define IDS_MAIL_ADDRESS                131
#define IDS_FIRST_RUN_HINT              132
#define IDS_FONT_CANNOT_SHOW_MONTH      133
#define IDS_COLUMN_DATE                 155
#define IDS_COLUMN_NAME                 156
#define IDS_SELECT_SCHEDULE             176
#define IDS_DELETE_SCHEDULE             177
#define IDS_SCHEDULES_NOT_SAVED         178   // %s: the settings file
#define IDS_WEB_PAGE                    212
#define IDS_LANGUAGE_CODE               500   // "EN" or "JA": names the help file ReadMe%s.txt

// The iCalendar commands: the file types of their dialogs ("name|pattern|..."),
// the lines of an import's report (%u: a count, %s: the file) and its failures.
#define IDS_ICS_FILE_TYPES              700
#define IDS_ICS_DEFAULT_NAME            701
#define IDS_EXPORT_DONE                 702
#define IDS_EXPORT_FAILED               703
#define IDS_ICS_UNREADABLE              704
#define IDS_ICS_NOT_ICALENDAR           705
#define IDS_ICS_DAMAGED                 706
#define IDS_ICS_TOO_MANY_DAYS           707
#define IDS_IMPORT_FROM                 710
#define IDS_IMPORT_ADDED                711
#define IDS_IMPORT_JOINED               712
#define IDS_IMPORT_PRESENT              713
#define IDS_IMPORT_SKIPPED              714
#define IDS_IMPORT_CANCELLED            715
#define IDS_IMPORT_UNDATED              716
#define IDS_IMPORT_UNTITLED             717
#define IDS_IMPORT_OUT_OF_WINDOW        718
#define IDS_IMPORT_FIRST_ONLY           719
#define IDS_IMPORT_CUT_SHORT            720
#define IDS_IMPORT_GUESSED_ZONE         721

// Texts of a link that could not be opened: the prefix, the text for a result code
// that has none of its own, and one text per shell result code at IDS_LINK_ERROR_BASE + code.
#define IDS_LINK_CANT_OPEN              600
#define IDS_LINK_UNKNOWN_ERROR          601
#define IDS_LINK_ERROR_BASE             610
#define IDS_LINK_ERROR_OUT_OF_RESOURCES 610   // 0
#define IDS_LINK_ERROR_FILE_NOT_FOUND   612   // ERROR_FILE_NOT_FOUND
#define IDS_LINK_ERROR_PATH_NOT_FOUND   613   // ERROR_PATH_NOT_FOUND
#define IDS_LINK_ERROR_ACCESS_DENIED    615   // SE_ERR_ACCESSDENIED
#define IDS_LINK_ERROR_OUT_OF_MEMORY    618   // SE_ERR_OOM
#define IDS_LINK_ERROR_BAD_FORMAT       621   // ERROR_BAD_FORMAT
#define IDS_LINK_ERROR_SHARE            636   // SE_ERR_SHARE
#define IDS_LINK_ERROR_ASSOC_INCOMPLETE 637   // SE_ERR_ASSOCINCOMPLETE
#define IDS_LINK_ERROR_DDE_TIMEOUT      638   // SE_ERR_DDETIMEOUT
#define IDS_LINK_ERROR_DDE_FAIL         639   // SE_ERR_DDEFAIL
#define IDS_LINK_ERROR_DDE_BUSY         640   // SE_ERR_DDEBUSY
#define IDS_LINK_ERROR_NO_ASSOC         641   // SE_ERR_NOASSOC
#define IDS_LINK_ERROR_DLL_NOT_FOUND    642   // SE_ERR_DLLNOTFOUND

// Version resource
#ifndef VS_VERSION_INFO
#define VS_VERSION_INFO                 1
#endif
