// Resource ids of Banderix: templates, controls, pictures and strings. The .rc files and the
// program's code both include this file, so it holds plain #defines only.
#pragma once

// Templates
#define IDD_ABOUTBOX 100
#define IDD_SELECTOR 102
#define IDD_OPTIONS 148
#define IDD_ADVANCED_OPTIONS 151
#define IDD_ONE_TIME 153
#define IDD_SPLASH 155
#define IDD_LEAVE_ALONE 157

// Pictures
#define IDI_PROGRAM 128
#define IDB_HINT 154
#define IDB_SPLASH 155

// Strings
#define IDS_256_COLOUR_HINT 2

// The framework's command ids, used as control ids by the templates.
#define ID_HELP 57670
#define ID_ABOUT 57671
#define ID_APPLY 57671
#define ID_ADVANCED 57672

// Main window
#define IDC_CONFIGURE_FOREGROUND 3
#define IDC_FOREGROUND_LIST 1009
#define IDC_BACKGROUND_LIST 1010
#define IDC_OPTIONS 1015

// Options
#define IDC_SHOW_TITLE 1002
#define IDC_TITLE_TRANSPARENT 1004
#define IDC_ALIGNMENT 1021
#define IDC_FOREGROUND_TRANSPARENT 1025
#define IDC_SPEED 1031
#define IDC_FREQUENCY 1032
#define IDC_ELEMENT_LIST 1034
#define IDC_COLOUR_LIST 1035
#define IDC_PAINT_ALL 1051
#define IDC_PAINT_MAIN 1052
#define IDC_PAINT_FOREGROUND 1053
#define IDC_FONT 1054
#define IDC_LEAVE_ALONE 1055
#define IDC_ANIMATIONS_OFF 1056

// Advanced Options
#define IDC_HOOK_METHOD 1040
#define IDC_TIMER_METHOD 1041
#define IDC_REFRESH_RATE 1032
#define IDC_PAINT_AUTOMATIC 1045
#define IDC_PAINT_INTO_CAPTION 1046
#define IDC_PAINT_OVER_CAPTION 1047

// Programs Left Alone
#define IDC_PROGRAM_LIST 1061

// One-time hint
#define IDC_DONT_SHOW_AGAIN 1043
#define IDC_HINT_TEXT 1044
