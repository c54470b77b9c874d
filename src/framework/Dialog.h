// Dialogs made from the program's dialog templates, bound to an object through the dialog
// procedure of Wnd. A modal dialog of the program sits behind one free function that takes an
// in/out record, so callers never see the dialog's handle or procedure.
#pragma once

#include "framework/Wnd.h"

namespace fw {

class Dialog : public Wnd {
  public:
    // A child or modeless dialog from template `templateId`; false when it cannot be made.
    bool CreateModeless(HWND parent, int templateId);
    // Runs the dialog modally; the id of the button that ended it, or -1 when it could not run.
    INT_PTR DoModal(HWND owner, int templateId);

  protected:
    // Called from WM_INITDIALOG; true lets the system set the focus.
    virtual bool OnInitDialog() { return true; }
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    bool m_bModal = false;
};

}  // namespace fw
