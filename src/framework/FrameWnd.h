// The top-level window of the single-document pattern: menu, accelerators, an optional toolbar
// docked at the top and the view below it. It routes commands (frame, view, document,
// application), enables menu items and toolbar buttons by the same route, and opens files
// dropped on it through the application.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include <shellapi.h>

#include "framework/CmdTarget.h"
#include "framework/DockBar.h"
#include "framework/ScopedHandle.h"
#include "framework/ToolBar.h"
#include "framework/View.h"
#include "framework/Wnd.h"

namespace fw {

class Document;

class FrameWnd : public Wnd, public CmdTarget {
  public:
    // Creates the window with the menu, accelerators and icon of `resourceId`; the view is created
    // while the frame is (before the derived frame's own creation steps run).
    bool LoadFrame(int resourceId, Document* document, std::unique_ptr<View> view);

    View* GetActiveView() const { return m_pView.get(); }
    Document* GetActiveDocument() const { return m_pDocument; }

    // Shows the frame if hidden, restores it if minimised and brings it to the front.
    void ActivateFrame();

    // Runs a command along the route; false when nobody knows it.
    bool RouteCommand(UINT id);
    // Whether a command is enabled; a command nobody knows is not.
    bool IsCommandEnabled(UINT id);
    // Brings the toolbar buttons in line with the commands' states (run while the program idles).
    void UpdateToolBarButtons();

    // The frame's accelerators.
    virtual bool PreTranslateMessage(MSG& msg);

    // Called once the window is gone; the owner of the frame object may delete it here.
    void SetDestroyedHandler(std::function<void()> handler) { m_onDestroyed = std::move(handler); }

  protected:
    // The name of the frame's window class (registered on first use).
    virtual const char* WindowClassName() const { return "fw::Frame"; }
    // Adjusts the creation parameters; false fails the creation.
    virtual bool PreCreateWindow(CREATESTRUCTA&) { return true; }
    // WM_CREATE: the base creates the view; -1 fails the creation.
    virtual int OnCreate(CREATESTRUCTA& cs);
    // WM_DESTROY, while the view still exists.
    virtual void OnDestroy() {}

    // Docks the toolbar at the top of the client area, above the view; the user can drag it to any
    // edge by its gripper. False when its strip cannot be made.
    bool DockControlBar(ToolBar& bar);
    // What the docked bar adds to the view's size: its thickness in width or in height.
    SIZE DockedBarFootprint() const;
    void RecalcLayout();

    bool OnCommand(UINT id) override;
    bool KnowsCommand(UINT id) const override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PostNcDestroy() override;

  private:
    // Posted to bring a modal dialog back in front after the frame was activated under it.
    static constexpr UINT kFrontModalDialog = WM_APP + 0x40;
    HWND FindModalDialog() const;
    void FrontModalDialog();
    void OnInitMenuPopup(HMENU menu);
    void OnDropFiles(HDROP drop);
    bool OnToolTipText(NMHDR* header);

    Document* m_pDocument = nullptr;
    std::unique_ptr<View> m_pView;
    void MoveDockedBar(DockEdge edge);

    ToolBar* m_pDockedBar = nullptr;
    DockBar m_dockBar;
    AcceleratorTable m_hAccelTable;
    char m_szToolTip[128] = {};
    std::function<void()> m_onDestroyed;
};

}  // namespace fw
