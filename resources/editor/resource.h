// Resource ids of Bandsmith: document types, templates, controls, pictures and strings. The .rc
// files and the editor's code both include this file, so it holds plain #defines only.
#pragma once

// Each of these names a menu, an icon and a string together; the main frame's also names the
// accelerator table and the toolbar.
#define IDR_MAINFRAME 128
#define IDR_BACKGROUNDTYPE 130
#define IDR_MAILOBJECTTYPE 131
#define IDR_FOREGROUNDTYPE 132

// The message program carried whole, of the resource type "BANDPOSTEXE".
#define IDR_BANDPOSTEXE 133

// Templates
#define IDD_ABOUTBOX 100
#define IDD_FOREGROUND_FORM 101
#define IDD_BACKGROUND_FORM 102
#define IDD_MAILOBJECT_FORM 103
#define IDD_ONE_TIME 153
#define IDD_SPLASH 155

// Pictures
#define IDB_SPLASH 104
#define IDB_HINT 154

// Strings
#define IDS_256_COLOUR_HINT 2

// Commands of the editor's own (the standard ones are the framework's)
#define ID_HELP_CONTENTS 32771

// Background form
#define IDC_BACKGROUND_DESCRIPTION 1000
#define IDC_COLOUR_LIST 1001
#define IDC_PREVIEW_FRAME 1003
#define IDC_SET_IMAGE 1005

// Foreground form
#define IDC_FOREGROUND_DESCRIPTION 1000
#define IDC_STRING_LIST 1001
#define IDC_ADD_STRING 1002
#define IDC_DELETE_STRINGS 1003
#define IDC_IMPORT_STRINGS 1004

// Mail message form
#define IDC_MAIL_ADDRESS 1001
#define IDC_MAIL_SUBJECT 1002
#define IDC_MAIL_MESSAGE 1004
#define IDC_MAIL_SEND 1012
#define IDC_MAIL_TEST 1013
#define IDC_MAIL_NAME 1014

// One-time hint
#define IDC_DONT_SHOW_AGAIN 1043
#define IDC_HINT_TEXT 1044
