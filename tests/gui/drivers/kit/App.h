// The program under test in one case: its process, its frame and the parts of the frame that the
// drivers look at. The ids and class names come from the program's own resource.h, so a changed id
// breaks the build of the drivers rather than a run.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Capture.h"
#include "Files.h"
#include "Menu.h"
#include "Process.h"

namespace tk {

// The four preview slots together: two columns and two rows of 275 x 116, whose upper-left slot is
// where the equalizer placeholder sits (also while it is hidden).
constexpr int kPreviewWidth = 550;
constexpr int kPreviewHeight = 232;

class App {
  public:
    // Starts the program of dir with the command-line tail args and waits for its visible frame.
    bool Start(const CaseDir& dir, const std::string& args = {});
    // Exits through the exit command and waits for the process to end; true when it ended with 0.
    bool Exit();

    Proc& Process() { return m_proc; }
    HWND Frame() const { return m_frame; }
    HWND Toolbar() const;
    HWND View() const;
    HWND Panel() const;
    // A control of the preview panel.
    HWND PanelItem(int id) const;
    // The main-window placeholder is hidden exactly while a picture is shown.
    bool PictureShown() const;

    // A dialog (or message box) owned by the frame, once one is up; null after the wait.
    HWND WaitDialog() const;
    // Posts the frame the command id and waits for the dialog it opens.
    HWND OpenDialog(UINT id) const;
    // The check `name` that the dialog is up; on a failure its detail lists the program's windows.
    HWND CheckUp(HWND dialog, const std::string& name);
    // Minimises the frame and waits until it is an icon.
    bool Minimise() const;

    // The menu as the user finds it; empty (and a note saying why) when it could not be read.
    std::vector<MenuItem> Menu();
    bool ToolbarEnabled(UINT id) const;

    // Whether the four preview slots lie inside the view's client area (else the frame cuts them
    // off); detail describes where they are.
    bool PreviewFits(std::string& detail) const;
    // The preview slots as they are on screen now, and a wait until they equal expected.
    POINT PreviewOrigin() const;  // panel client coordinates
    Image CapturePreview() const;
    Difference WaitPreview(const Image& expected, DWORD ms = kDefaultWait) const;

  private:
    Proc m_proc;
    HWND m_frame = nullptr;
};

// Waits for proc to end by itself with exit code 0 (checked as endName) without ever showing a
// top-level window of class cls, any class when null (checked as unseenName); it is gone afterwards.
void CheckEndsAlone(Proc& proc, const char* cls, const std::string& endName, const std::string& unseenName);

// A child of parent (not deeper) of class cls.
HWND ChildOfClass(HWND parent, const char* cls);

}  // namespace tk
