// The settings sheet's "MAIN＆EQ" page: which windows the skin has and how they stack, the frame
// line, the overlay opacity, and the colours of the skin body, its texts and digits.
#pragma once

#include "dialogs/SettingsHooks.h"
#include "framework/PropertyPage.h"

class CSkinCtrlPPage1 : public fw::PropertyPage {
  public:
    explicit CSkinCtrlPPage1(SettingsHooks& hooks);

    // Record to controls; never runs a handler.
    void Refresh();

  protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

  private:
    void OnFlagClicked(UINT id);
    void OnReset();

    SettingsHooks& m_hooks;
    bool m_bRefreshing = false;
};
