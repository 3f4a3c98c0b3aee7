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
