// The framework's standard ids: commands the frame, documents and views route, the bars and
// indicators, the New dialog, and the strings the framework itself shows. The programs' .rc
// files use them too, so this file holds plain #defines only.
#pragma once

// File
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_DIRECT 57608
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_FILE_MRU_FIRST 57616
#define ID_FILE_MRU_LAST 57631
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665

// Edit
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643

// Window
#define ID_WINDOW_NEW 57648
#define ID_WINDOW_ARRANGE 57649
#define ID_WINDOW_CASCADE 57650
#define ID_WINDOW_TILE_HORZ 57651
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// View: the bars' ids are also their show/hide commands
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393
#define IDW_TOOLBAR 59392
#define IDW_STATUS_BAR 59393

// Status bar indicators (their strings hold the texts shown)
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139

// Strings
#define IDS_APP_TITLE 57344
#define IDS_IDLE_MESSAGE 57345

// The New dialog: the document types to choose from
#define IDD_NEW_TYPE 30721
#define IDC_NEW_TYPE_LIST 30722

// Resource types of our own: a dialog's initial data, a toolbar's button ids
#define RT_DIALOG_INIT_DATA 240
#define RT_TOOLBAR_IDS 241
