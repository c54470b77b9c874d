// A property sheet embedded in another window: a modeless child without caption, border, OK,
// Cancel or Apply, whose pages write their settings as they change. It owns no pages; the pages
// are objects of the caller that outlive the sheet's window.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "framework/KeyboardRoute.h"
#include "framework/PropertyPage.h"

namespace fw {

class PropertySheet : public KeyboardClient {
  public:
    PropertySheet() = default;
    ~PropertySheet() override;
    PropertySheet(const PropertySheet&) = delete;
    PropertySheet& operator=(const PropertySheet&) = delete;

    // Pages in tab order; before Create.
    void AddPage(PropertyPage& page) { m_pages.push_back(&page); }

    // Creates the sheet as a visible child of `parent` with its first page active; the pages'
    // windows are made as they are first shown. False when the system refuses.
    bool Create(HWND parent);

    HWND Handle() const { return m_hWnd; }
    HWND TabControl() const;
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // Index of the page on top, or -1.
    int ActiveIndex() const;
    // Shows page `index` (creating its window on first use).
    void SetActivePage(int index) const;

    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Up and Ctrl+Page Down switch pages; every other key is
    // left to the dialog that holds the sheet.
    bool PreTranslateKeys(MSG& msg) override;

  private:
    static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lParam);

    HWND m_hWnd = nullptr;
    std::vector<PropertyPage*> m_pages;
    bool m_bRouted = false;
};

}  // namespace fw
