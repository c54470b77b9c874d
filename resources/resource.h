// Resource and command ids of TOLVARIN.EXE. The Wine end-to-end drivers include this file, so
// names and values stay stable. Plain #defines only: windres reads it as well as the compilers.
#pragma once

// Menu, toolbar, accelerators, icon and the document template string share one id.
#define IDR_MAINFRAME 128

// The preview panel and its controls.
#define IDD_PREVIEW_PANEL 130
#define IDC_PREVIEW_BROWSER 1000   // upper right slot: stock mini-browser picture
#define IDC_PREVIEW_EQ 1001        // upper left slot: stock equalizer picture
#define IDC_PREVIEW_PLAYLIST 1002  // lower right slot: stock playlist picture
#define IDC_PREVIEW_MAIN 1003      // lower left slot: stock main-window picture
#define IDC_SHEET_FRAME 1008       // place of the settings sheet

// Built-in template bitmaps (131 to 134 are the stock placeholders of the preview slots).
#define IDB_STOCK_EQUALIZER 131
#define IDB_STOCK_MAIN 132
#define IDB_STOCK_BROWSER 133
#define IDB_STOCK_PLAYLIST 134
#define IDB_TPL_CBUTTONS 137
#define IDB_TPL_BROWSER_WINDOW 138
#define IDB_TPL_PLAYLIST_MASK 139
#define IDB_TPL_TIME_MASK 140
#define IDB_TPL_EQ_EX 141
#define IDB_TPL_EQMAIN 142
#define IDB_TPL_MB 143
#define IDB_TPL_MONOSTER 144
#define IDB_TPL_NUMS_EX 145
#define IDB_TPL_PLAYPAUS 146
#define IDB_TPL_PLEDIT 147
#define IDB_TPL_POSBAR 148
#define IDB_TPL_SHUFREP 149
#define IDB_TPL_TEXT 150
#define IDB_TPL_TITLEBAR 151

// Commands.
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE_AS 0xE104
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define IDM_HELP_CONTENTS 32773
#define IDM_PROFILE_LOAD 32774
#define IDM_PROFILE_SAVE 32775
#define IDM_PLUGIN_SETTINGS 32777
#define IDM_FILE_CLOSE 32778

// Strings.
#define IDS_APP_TITLE 0xE000

// Child window ids of the main frame.
#define IDW_TOOLBAR 0xE800
#define IDW_VIEW 0xE900

// Window class names and the window property, for the drivers that look for them.
#define TOLVARIN_FRAME_CLASS "TolvarinFrame"
#define TOLVARIN_VIEW_CLASS "TolvarinView"
