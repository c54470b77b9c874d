// A non-owning handle wrapper for the program's own windows and dialogs, with the one window
// procedure and the one dialog procedure that route every message to the object behind the
// handle. No exception leaves either procedure: a fault is caught there and reported.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class Wnd {
  public:
    Wnd() = default;
    virtual ~Wnd() = default;
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;

    HWND Handle() const { return m_hWnd; }
    bool IsCreated() const { return m_hWnd != nullptr; }
    void DestroyWindow();

  protected:
    // Handles a message; returns false to leave it to the default processing (DefWindowProc for
    // windows, FALSE from the dialog procedure for dialogs). `result` is the message's answer.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Creates a window of a class registered with WindowProc below, bound to this object: class,
    // title, styles, place, parent and menu (or child id) from `cs`.
    bool CreateWindowFor(const CREATESTRUCTA& cs);
    // A visible child of `parent` that clips its own children, placed later.
    bool CreateChildFor(const char* className, HWND parent, HMENU id);
    // Registers a window class whose procedure is WindowProc below (once per class name).
    static bool RegisterWindowClass(const char* className, UINT classStyle, HICON icon, HBRUSH background);

    // The last call an object gets for its window, after WM_NCDESTROY; the handle is gone. An
    // owner may delete the object here: nothing touches it afterwards.
    virtual void PostNcDestroy() {}

    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // For dialogs whose WM_INITDIALOG parameter is the object itself.
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The dialog procedure's work once the object is known; `self` is bound to hWnd at
    // WM_INITDIALOG by the caller. Procedures that find the object elsewhere (property pages) share it.
    static INT_PTR DispatchDialogMessage(Wnd* self, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The object bound to a dialog of ours (null before WM_INITDIALOG and after WM_NCDESTROY).
    static Wnd* BoundDialog(HWND hWnd);

    HWND m_hWnd = nullptr;

  private:
    bool HandleMessageSafely(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Called with WM_NCDESTROY seen, after the object's own handling: the handle is gone.
    void Detach();
};

// The whole text of a window or control.
std::string WindowText(HWND window);
// The window a dialog opened from `window` is modal to: a child window cannot own one, so its
// top-level ancestor does (null stays null).
HWND TopLevelOwner(HWND window);

// Shows a fault that reached a window procedure and lets the program go on.
void ReportUnexpectedFault(const char* what);

}  // namespace fw
