// Resource and command ids shared by the resource script and the Windows program.
#pragma once

// Bitmaps of the terminal picture: body, keys released (501-520) and pressed (521-540).
#define IDB_BODY 500
#define IDB_KEY_FIRST 501
#define IDB_KEY_PRESSED_FIRST 521
#define IDB_CURSOR 541
#define IDB_SELECTION_BAR 542
#define IDB_CLOCK_BACKGROUND 543
#define IDB_ALPHA_ON 544
#define IDB_ALPHA_OFF 545

#define IDC_HAND_CURSOR 600

// Commands of the pop-up menu.
#define IDM_NEW 1010
#define IDM_OPEN 1020
#define IDM_SAVE 1030
#define IDM_SAVE_AS 1040
#define IDM_EXIT 1090
#define IDM_EDIT 2000
#define IDM_PREFERENCES 2100
#define IDM_DOWNLOAD_APPLICATION 3020
#define IDM_RECEIVE_DATA 3030
#define IDM_DOWNLOAD_LOOKUP 3040
#define IDM_RECENT_FIRST 3300
#define IDM_ABOUT 9030

// The simulator window's child id inside the main window.
#define IDC_CLIENT 100

// Preferences dialog (PreferencesDlg): labels, lists, check boxes and the detection button.
#define IDC_PREF_DOWNLOAD_LABEL 901
#define IDC_PREF_RECEIVE_LABEL 902
#define IDC_PREF_PORT_LABEL 903
#define IDC_PREF_BAUD_LABEL 904
#define IDC_PREF_LANGUAGE_LABEL 905
#define IDC_PREF_DOWNLOAD 401
#define IDC_PREF_RECEIVE 402
#define IDC_PREF_BAUD 403
#define IDC_PREF_LANGUAGE 404
#define IDC_PREF_PORT 405
#define IDC_PREF_AUTO_PRELOAD 101
#define IDC_PREF_ON_TOP 102
#define IDC_PREF_DETECT 1025

// Progress window (ProgressDlg) of the downloads.
#define IDC_PROGRESS_LABEL 901
#define IDC_PROGRESS_BAR 870

// About box (AboutBox): the two link labels and the two credit lines.
#define IDC_ABOUT_WEB 1001
#define IDC_ABOUT_MAIL 1002
#define IDC_ABOUT_DESIGNED 1003
#define IDC_ABOUT_REWORKED 1004
