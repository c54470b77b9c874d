// The settings sheet's "MARON" page: the options the skin writes to MARON.TXT for the MARON
// visualization plug-in. Unticking "MARON" greys the other options but keeps their values.
#pragma once

#include <windows.h>

#include "dialogs/SettingsPage.h"

class CSkinCtrlPPage6 : public CSettingsPage {
  public:
    explicit CSkinCtrlPPage6(SettingsHooks& hooks);

  protected:
    void InitPageControls() override;
    // The opacity label follows when the trackbar next paints.
    void RefreshPageControls(const SkinSettings& s) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

  private:
    // The trackbar paints whenever its position changes, by mouse, keys or a refresh: Opacity and
    // the label take the position then.
    void OnOpacityDrawn();

    HWND m_hOpacity = nullptr;
};
