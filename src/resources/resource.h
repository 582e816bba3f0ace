// Resource ids, shared by tavorin.rc and the C++ code. Plain #defines only, so
// that windres can read the file too.
#ifndef TAVORIN_RESOURCE_H
#define TAVORIN_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialog templates
#define IDD_ABOUT                   100
#define IDD_MAIN                    102
#define IDD_PROGRESS                104
#define IDD_SAVE_RECORD             105
#define IDD_OPTIONS                 106
#define IDD_UPDATE                  107
#define IDD_ERROR                   109
#define IDD_SHUTDOWN                110
#define IDD_STOP_TIP                111

// Strings, icon, menu, bitmap
#define IDS_ABOUTBOX                101
#define IDI_TAVORIN                 128
#define IDR_MAIN_MENU               130
#define IDB_HELP                    131

// Main window
#define IDC_RECORD                  1000
#define IDC_REPEAT                  1002
#define IDC_TIMES                   1004
#define IDC_MODE_ONCE               1005
#define IDC_MODE_TIMES              1006
#define IDC_DURATION                1007
#define IDC_MODE_DURATION           1008
#define IDC_TIMES_SPIN              1009
#define IDC_DURATION_SPIN           1010
#define IDC_DURATION_UNIT           1011
#define IDC_DELAY                   1012
#define IDC_DELAY_HOURS             1013
#define IDC_DELAY_HOURS_SPIN        1014
#define IDC_DELAY_MINUTES           1015
#define IDC_DELAY_MINUTES_SPIN      1016
#define IDC_DELAY_SECONDS           1017
#define IDC_DELAY_SECONDS_SPIN      1018
#define IDC_SPEED                   1019
#define IDC_RECORD_LIST             1020
#define IDC_SHUTDOWN                1035
#define IDC_DELAY_RANDOM            1036

// Stop window (created at run time, not from a template)
#define IDC_STOP                    1002

// Progress window
#define IDC_STATUS                  1001
#define IDC_PROGRESS                1003
#define IDC_STOP_HINT               1027

// Save Record
#define IDC_RECORD_NAME             1004
#define IDC_RECORD_DESCRIPTION      1021

// Options
#define IDC_BROWSE                  1022
#define IDC_RECORD_DIRECTORY        1023
#define IDC_HK_START_RECORD         1026
#define IDC_HK_STOP_RECORD          1027
#define IDC_HK_START_REPEAT         1028
#define IDC_HK_STOP_REPEAT          1029
#define IDC_HK_PAUSE_REPEAT         1030
#define IDC_MOVE_NO_STOP            1039
#define IDC_NO_PROGRESS_WINDOW      1040

// Update check
#define IDC_UPDATE_MESSAGE          1001
#define IDC_UPDATE_YES              1026
#define IDC_UPDATE_CANCEL           1027

// Crash report
#define IDC_ERROR_INFO              1033

// Shutdown countdown
#define IDC_COUNTDOWN               1001
#define IDC_SHUTDOWN_NOW            1037

// User-control notice
#define IDC_DONT_SHOW               1038

// About box
#define IDC_VERSION                 1024
#define IDC_HOME_LINK               1025

// Menu commands. Record and Repeat share the buttons' ids, so both reach the
// same handler.
#define ID_FILE_OPEN                57601
#define ID_FILE_RECORD              1000
#define ID_FILE_REPEAT              1002
#define ID_FILE_EXIT                32778
#define ID_EDIT_RECORD              32779
#define ID_DELETE_RECORD            32780
#define ID_TOOLS_COMPANION_1        32781
#define ID_TOOLS_COMPANION_2        32794
#define ID_TOOLS_COMPANION_3        32790
#define ID_TOOLS_OPTIONS            32782
#define ID_HELP_ABOUT               32784
#define ID_HELP_UPDATE              32786
#define ID_HELP_UPGRADE             32795
#define ID_HELP_PAGE                32787
// The About item appended to the main window's system menu.
#define ID_SYS_ABOUT                16

#endif
