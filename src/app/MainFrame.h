// The program's only top-level window: fixed size, toolbar, menus, dropped files, the open and
// profile commands, and the window state kept in the application's INI file.
#pragma once

#include <windows.h>

#include <string>

#include "app/DdeLink.h"
#include "framework/FrameWnd.h"
#include "framework/ToolBar.h"

class CMainFrame : public fw::FrameWnd {
  public:
    // Starts the DDE server that a second instance talks to.
    CMainFrame();
    ~CMainFrame() override;

    // Opens the file named by a second instance's execute command.
    void OpenFromDde(const char* command);

    std::string m_strOpenFilter;
    WINDOWPLACEMENT m_wndPlacement{};

  protected:
    const char* WindowClassName() const override;
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(CREATESTRUCTA& cs) override;
    void OnDestroy() override;
    bool OnCommand(UINT id) override;
    bool KnowsCommand(UINT id) const override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void PlaceWindow(int screenWidth, int screenHeight);
    void LoadRememberedFolders();
    void SetTitleFromVersion();
    static std::span<const fw::CommandEntry<CMainFrame>> Commands();
    void OnFileOpen();
    void OnProfileLoad();
    void OnProfileSave();
    // The plug-in settings dialog; its OK reloads the plug-ins and the open dialog's filter.
    void OnPluginSettings();
    // The complete-skin item of the settings menu: checked while skins are made complete.
    void OnCompleteSkin();
    void ShowSkinMode();

    fw::ToolBar m_wndToolBar;
    // The server a second instance talks to; its execute commands come to OpenFromDde.
    CDdeLink m_ddeServer;
};

// The frame of the program (null while there is none).
extern CMainFrame* g_pMainFrame;
