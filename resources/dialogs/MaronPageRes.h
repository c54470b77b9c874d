// Ids of the settings sheet's "MARON" page. Plain #defines: windres reads this file as well.
#pragma once

#define IDD_PAGE_MARON 140

#define IDC_MARON_USE 1009           // "MARON", the title of the page's group
#define IDC_MARON_ANALYZER 1011      // AnalyzerMode combo: Normal, Fire, lines
#define IDC_MARON_BLEND 1012         // BlendMethod combo: mix, add, sub
#define IDC_MARON_OPACITY 1013       // trackbar, 0..100 %
#define IDC_MARON_ENABLE 1014        // "スペアナを有効"
#define IDC_MARON_PEAKS 1015         // "ピーク表示"
#define IDC_MARON_BANDS 1016         // "スペアナの太線表示"
#define IDC_MARON_RAIN 1017          // "MARONオリジナルスペアナ表示モード"
#define IDC_MARON_OPACITY_TEXT 1018  // the trackbar's position in percent
#define IDC_MARON_RESET 1054         // "初期化"
