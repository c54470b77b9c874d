// The child window that fills the frame below its toolbar and shows the document.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/Wnd.h"

namespace fw {

class Document;

class View : public Wnd, public CmdTarget {
  public:
    ~View() override;
    // Creates the view as child IDW_VIEW of the frame, bound to `document`.
    bool Create(HWND frame, Document* document);
    Document* GetDocument() const { return m_pDocument; }

    // Called after a document was opened or made new: repaints.
    virtual void OnInitialUpdate();
    // Gives a modeless child (a dialog inside the view) the chance to take keyboard messages.
    virtual bool PreTranslateMessage(MSG&) { return false; }

  protected:
    // WM_CREATE: false destroys the window again.
    virtual bool OnCreate() { return true; }
    virtual void OnDraw(HDC) {}
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    Document* m_pDocument = nullptr;
};

}  // namespace fw
