// The application object: start-up and shut-down hooks, the message loop with idle processing,
// the document template, the wait cursor, the message boxes of the core and the profile
// functions. Exactly one derived object exists, constructed before WinMain runs.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/CmdTarget.h"
#include "framework/DocTemplate.h"
#include "framework/KeyboardRoute.h"
#include "settings/ProfileTarget.h"

namespace fw {

class FrameWnd;

// What the command line asks for: a file to open, or nothing (a new, empty document).
struct CommandLineInfo {
    std::string m_strFileName;
};

class WinApp : public CmdTarget {
  public:
    WinApp();
    ~WinApp() override;

    static WinApp* Current();

    // False ends the program before the message loop.
    virtual bool InitInstance() = 0;
    // The process exit code.
    virtual int ExitInstance();
    // Called while no message waits; true asks for another call.
    virtual bool OnIdle(long count);

    // The entry's work: InitInstance, the message loop, ExitInstance.
    int Run();

    void AddDocTemplate(std::unique_ptr<SingleDocTemplate> docTemplate);
    SingleDocTemplate* GetDocTemplate() const { return m_pTemplate.get(); }

    // Opens `path` through the template unless it is already the open document, in which case
    // the frame is only brought to the front.
    Document* OpenDocumentFile(const char* path);
    // A new, empty document (creating the frame on first use).
    bool OnFileNew();
    // The first argument of the command line, if any.
    void ParseCommandLine(CommandLineInfo& info) const;
    // Opens the file named there or makes a new document; false when that fails.
    bool ProcessShellCommand(const CommandLineInfo& info);

    // The modeless dialogs and sheets that take their keyboard messages from the message loop.
    KeyboardRoute& Keyboard() { return m_keyboard; }

    // Wait cursor, nested; the frame keeps it while the count is above zero.
    void BeginWaitCursor();
    void EndWaitCursor();
    bool IsWaitCursorShown() const { return m_nWaitCursorCount > 0; }

    // Profile functions against the file m_strProfileName names.
    ProfileTarget Profile() const { return ProfileTarget(m_strProfileName); }
    int GetProfileInt(const char* section, const char* key, int defaultValue) const;
    std::string GetProfileString(const char* section, const char* key, const char* defaultValue) const;
    bool WriteProfileInt(const char* section, const char* key, int value) const;
    bool WriteProfileString(const char* section, const char* key, const char* value) const;

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    FrameWnd* m_pMainWnd = nullptr;
    std::string m_strExeName;      // base name of the executable, as the window property's name
    std::string m_strProfileName;  // the file the profile functions read and write
    std::string m_strAppTitle;     // caption of the program's message boxes

  private:
    bool PreTranslateMessage(MSG& msg);

    std::unique_ptr<SingleDocTemplate> m_pTemplate;
    KeyboardRoute m_keyboard;
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = nullptr;
};

}  // namespace fw
