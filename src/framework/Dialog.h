// Dialogs made from the program's dialog templates, bound to an object through the dialog
// procedure of Wnd, with hooks for the messages every dialog handles. A modal dialog of the program
// sits behind one free function that takes an in/out record, so callers never see the dialog's
// handle or procedure.
#pragma once

#include <windows.h>

#include "framework/KeyboardRoute.h"
#include "framework/Wnd.h"

namespace fw {

// Sent to a modal dialog whenever its loop runs out of messages (the owner frame relays the
// system's WM_ENTERIDLE), so that live displays refresh while the user does nothing.
constexpr UINT kWmKickIdle = 0x036A;

class Dialog : public Wnd, public KeyboardClient {
  public:
    ~Dialog() override;

    // A child or modeless dialog from template `templateId`; false when it cannot be made. It takes
    // its keyboard messages (Tab, arrows, mnemonics) from the program's message loop.
    bool CreateModeless(HWND parent, int templateId);
    // Runs the dialog modally; the id of the button that ended it, or -1 when it could not run.
    INT_PTR DoModal(HWND owner, int templateId);
    // The same from a template built in memory.
    INT_PTR DoModalIndirect(HWND owner, const DLGTEMPLATE* dialogTemplate);
    // Ends a modal dialog with `result`.
    void EndDialog(INT_PTR result);

    bool PreTranslateKeys(MSG& msg) override;

    // Small conveniences over the dialog's controls, by id.
    void SetItemText(int id, const char* text) const;
    bool IsChecked(int id) const;
    // 1 when the box is ticked, else 0, as the settings store a flag.
    int CheckState(int id) const { return IsChecked(id) ? 1 : 0; }
    void SetChecked(int id, bool checked) const;
    void EnableItem(int id, bool enable) const;

  protected:
    // WM_INITDIALOG; true lets the system set the focus.
    virtual bool OnInitDialog() { return true; }
    // WM_COMMAND from a control or menu other than OK and Cancel; false leaves it unhandled.
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/, HWND /*control*/) { return false; }
    // WM_NOTIFY; `result` is the notification's answer.
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // OK (also Enter) and Cancel (also Escape and the close box). Returning false keeps a modal
    // dialog open; a modeless dialog never closes through them.
    virtual bool OnOK() { return true; }
    virtual bool OnCancel() { return true; }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool IsModal() const { return m_bModal; }

  private:
    void StopKeyboardRoute();

    bool m_bModal = false;
    bool m_bRouted = false;
};

}  // namespace fw
