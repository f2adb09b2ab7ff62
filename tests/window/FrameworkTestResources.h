// Resources of the framework's window tests; ids kept clear of the program's.
#define IDD_TEST_DIALOG 9001
#define IDD_TEST_MISSING 9002
#define IDC_TEST_EDIT 9010
#define IDC_TEST_LANGUAGE 9011
#define IDC_TEST_STATIC 9012
#define IDM_TEST_MENU 9020
#define IDA_TEST_KEYS 9030
#define IDC_TEST_COMMAND_EN 9031
#define IDC_TEST_COMMAND_JA 9032
#define IDS_TEST_BOTH 9040
#define IDS_TEST_ENGLISH_ONLY 9041
#define IDS_TEST_JAPANESE_ONLY 9056
