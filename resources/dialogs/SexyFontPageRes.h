// Ids of the settings sheet's "SexyFont" page. Plain #defines: windres reads this file as well.
#pragma once

#define IDD_PAGE_SEXYFONT 139

#define IDC_SEXYFONT_USE 1052      // whether SEXYFONT.TXT is written
#define IDC_SEXYFONT_RESET 1053    // "初期化"
#define IDC_SEXYFONT_DETAILS 1056  // "詳細設定...", hidden: the detailed settings were never made
