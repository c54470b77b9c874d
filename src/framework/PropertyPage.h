// One page of a property sheet, made from a dialog template. Its object reaches the dialog
// procedure through the page description the sheet hands back at WM_INITDIALOG.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/Dialog.h"

namespace fw {

class PropertyPage : public Dialog {
  public:
    explicit PropertyPage(int templateId) : m_nTemplateId(templateId) {}

    // The description the sheet creates this page from.
    PROPSHEETPAGEA Description();

  protected:
    // The page becomes the visible one (PSN_SETACTIVE); false keeps the sheet on its current page.
    virtual bool OnSetActive() { return true; }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    int m_nTemplateId;
};

}  // namespace fw
