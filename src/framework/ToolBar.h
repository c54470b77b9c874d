// The frame's toolbar: a common-controls toolbar filled from a TOOLBAR resource (button size and
// command ids) and the bitmap of the same id (one image per button, left to right).
#pragma once

#include <windows.h>

#include <vector>

namespace fw {

class ToolBar {
  public:
    // Creates the toolbar window; `controlStyle` holds TBSTYLE_ bits, `style` the window bits.
    bool Create(HWND parent, DWORD controlStyle, DWORD style, UINT id);
    // Adds the buttons and their images from resource `resourceId`; false when either resource is
    // missing or malformed.
    bool LoadToolBar(int resourceId);

    HWND Handle() const { return m_hWnd; }

    // Size of one button, and of all buttons as they are laid out.
    SIZE ButtonSize() const;
    SIZE Extent() const;
    // A column of buttons (one per row) or a single row.
    void SetVertical(bool vertical) const;

    const std::vector<UINT>& CommandIds() const { return m_commandIds; }
    // Enables or grays one button; does nothing when the state is already right.
    void SetButtonEnabled(UINT id, bool enabled) const;

  private:
    HWND m_hWnd = nullptr;
    std::vector<UINT> m_commandIds;  // the buttons, separators left out
};

}  // namespace fw
