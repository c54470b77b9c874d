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
#define IDM_COMPLETE_SKIN 32779

// Strings.
#define IDS_APP_TITLE 0xE000

// Child window ids of the main frame.
#define IDW_TOOLBAR 0xE800
#define IDW_VIEW 0xE900

// Window class names and the window property, for the drivers that look for them.
#define TOLVARIN_FRAME_CLASS "TolvarinFrame"
#define TOLVARIN_VIEW_CLASS "TolvarinView"
