// Ids of the visualization colour dialog. Plain #defines: windres reads this file as well.
#pragma once

#define IDD_VIS_COLOR 154

// Invisible frames whose top-left corners place the four swatch panels.
#define IDC_VIS_ANALYZER_ANCHOR 1046
#define IDC_VIS_BACKGROUND_ANCHOR 1047
#define IDC_VIS_OSCILLOSCOPE_ANCHOR 1048
#define IDC_VIS_PEAK_ANCHOR 1049
#define IDC_VIS_GRADATION 1050  // "グラデーション"
#define IDC_VIS_RESET 1051      // "初期化"
