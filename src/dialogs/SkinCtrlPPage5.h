// The settings sheet's "SexyFont" page: whether the skin carries SEXYFONT.TXT for the SexyFont
// plug-in, or leaves the plug-in to its own control panel.
#pragma once

#include "dialogs/SettingsPage.h"

class CSkinCtrlPPage5 : public CSettingsPage {
  public:
    explicit CSkinCtrlPPage5(SettingsHooks& hooks);

  protected:
    bool OnPageClick(UINT id) override;
};
