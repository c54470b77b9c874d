// The settings sheet's "MAIN＆EQ" page: which windows the skin has and how they stack, the frame
// line, the overlay opacity, and the colours of the skin body, its texts and digits.
#pragma once

#include "dialogs/SettingsPage.h"

class CSkinCtrlPPage1 : public CSettingsPage {
  public:
    explicit CSkinCtrlPPage1(SettingsHooks& hooks);

  protected:
    bool OnPageClick(UINT id) override;
};
