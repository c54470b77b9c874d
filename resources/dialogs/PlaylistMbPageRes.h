// Ids of the settings sheet's "PLAYLIST＆MB" page. Plain #defines: windres reads this file as well.
#pragma once

#define IDD_PAGE_PLAYLIST_MB 136

#define IDC_PLMB_MB_SAVE 1028      // "MiniBrowser", the title of the mini-browser group
#define IDC_PLMB_CURRENT 1032      // "演奏曲文字色..."
#define IDC_PLMB_SELECTED_BG 1033  // "選択曲色..."
#define IDC_PLMB_NORMAL 1034       // "PL文字色..."
#define IDC_PLMB_NORMAL_BG 1035    // "PL背景色..."
#define IDC_PLMB_MB_FG 1036        // "文字色..." of the mini-browser group
#define IDC_PLMB_MB_BG 1037        // "文字背景色..." of the mini-browser group
#define IDC_PLMB_PL_SAVE 1038      // "PLAYLIST", the title of the playlist group
#define IDC_PLMB_FONT 1039         // "フォント設定..."
#define IDC_PLMB_RESET 1040        // "初期化"
#define IDC_PLMB_DECORATION 1057   // hidden frame: where the decoration picture goes
