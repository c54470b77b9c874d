// Ids of the settings sheet's "MAIN＆EQ" page. Plain #defines: windres reads this file as well.
#pragma once

#define IDD_PAGE_MAIN_EQ 135

#define IDC_MAINEQ_SKIN_REVERSE 1019  // "EQを上に設定"
#define IDC_MAINEQ_SKIN_LINE 1020     // "枠描画"
#define IDC_MAINEQ_FULL_SIZE 1021     // "EQ使用"
#define IDC_MAINEQ_OPACITY 1022       // opacity combo, entry n = n x 10 %
#define IDC_MAINEQ_SIDE_COLOR 1023    // "余白色設定..."
#define IDC_MAINEQ_COLOR 1024         // "基本色..."
#define IDC_MAINEQ_COLOR_BG 1025      // "基本枠色..."
#define IDC_MAINEQ_TEXT 1026          // "文字色..." of the group "文字色"
#define IDC_MAINEQ_TEXT_BG 1027       // "文字背景色..." of the group "文字色"
#define IDC_MAINEQ_VIS_COLORS 1028    // "スペアナ色設定..."
#define IDC_MAINEQ_NUM 1030           // "文字色..." of the group "数字色"
#define IDC_MAINEQ_NUM_BG 1031        // "文字背景色..." of the group "数字色"
#define IDC_MAINEQ_RESET 1032         // "初期化"
