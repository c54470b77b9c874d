// The settings sheet's "MARON" page: the options the skin writes to MARON.TXT for the MARON
// visualization plug-in. Unticking "MARON" greys the other options but keeps their values.
#pragma once

#include <windows.h>

#include "dialogs/SettingsHooks.h"
#include "framework/PropertyPage.h"

class CSkinCtrlPPage6 : public fw::PropertyPage {
  public:
    explicit CSkinCtrlPPage6(SettingsHooks& hooks);

    // Record to controls; never runs a handler. The opacity label follows when the trackbar next
    // paints.
    void Refresh();

  protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

  private:
    // The trackbar paints whenever its position changes, by mouse, keys or a refresh: Opacity and
    // the label take the position then.
    void OnOpacityDrawn();

    SettingsHooks& m_hooks;
    HWND m_hOpacity = nullptr;
    bool m_bRefreshing = false;
};
