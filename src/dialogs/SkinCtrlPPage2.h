// The settings sheet's "PLAYLIST＆MB" page: the playlist and mini-browser colours, whether those two
// windows are made, the playlist font, and an optional decoration picture on its left.
#pragma once

#include <windows.h>

#include "dialogs/SettingsPage.h"
#include "picture/DibBuffer.h"

class CSkinCtrlPPage2 : public CSettingsPage {
  public:
    explicit CSkinCtrlPPage2(SettingsHooks& hooks);

  protected:
    void InitPageControls() override;
    bool OnPageClick(UINT id) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void OnPaint();

    // Read once per creation of the page window; empty when there is no picture to show.
    DibBuffer m_decoration;
    POINT m_decorationAt{};
};
