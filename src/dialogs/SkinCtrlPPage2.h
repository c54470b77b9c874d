// The settings sheet's "PLAYLIST＆MB" page: the playlist and mini-browser colours, whether those two
// windows are made, the playlist font, and an optional decoration picture on its left.
#pragma once

#include <windows.h>

#include "dialogs/SettingsHooks.h"
#include "framework/PropertyPage.h"
#include "picture/DibBuffer.h"

class CSkinCtrlPPage2 : public fw::PropertyPage {
  public:
    explicit CSkinCtrlPPage2(SettingsHooks& hooks);

    // Record to controls; never runs a handler.
    void Refresh();

  protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void OnReset();
    void OnPaint();

    SettingsHooks& m_hooks;
    bool m_bRefreshing = false;
    // Read once per creation of the page window; empty when there is no picture to show.
    DibBuffer m_decoration;
    POINT m_decorationAt{};
};
