// The child window that fills the frame below its toolbar and shows the document.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/Wnd.h"

namespace fw {

class Document;

class View : public Wnd, public CmdTarget {
  public:
    ~View() override;
    // Creates the view as the frame's view child (kIdwView), bound to `document`.
    bool Create(HWND frame, Document* document);
    Document* GetDocument() const { return m_pDocument; }

    // Called after a document was opened or made new: repaints.
    virtual void OnInitialUpdate();

  protected:
    // The name of the view's window class (registered on first use).
    virtual const char* WindowClassName() const { return "fw::View"; }
    // WM_CREATE: false destroys the window again.
    virtual bool OnCreate() { return true; }
    virtual void OnDraw(HDC) {}
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    Document* m_pDocument = nullptr;
};

}  // namespace fw
