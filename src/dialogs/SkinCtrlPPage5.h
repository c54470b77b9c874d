// The settings sheet's "SexyFont" page: whether the skin carries SEXYFONT.TXT for the SexyFont
// plug-in, or leaves the plug-in to its own control panel.
#pragma once

#include "dialogs/SettingsHooks.h"
#include "framework/PropertyPage.h"

class CSkinCtrlPPage5 : public fw::PropertyPage {
  public:
    explicit CSkinCtrlPPage5(SettingsHooks& hooks);

    // Record to controls; never runs a handler.
    void Refresh();

  protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

  private:
    SettingsHooks& m_hooks;
    bool m_bRefreshing = false;
};
