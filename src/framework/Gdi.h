// Scoped owners of GDI resources: a paint context that always ends its painting, a window's
// device context that is always released, an object selected into a context that is always
// put back, and GDI objects (brushes, bitmaps, fonts) that are always deleted.
#pragma once

#include <windows.h>

#include "framework/ScopedHandle.h"

namespace fw {

// BeginPaint in the constructor, EndPaint in the destructor: one pair on every path.
class PaintDC {
  public:
    explicit PaintDC(HWND window) : m_hWnd(window), m_hDC(::BeginPaint(window, &m_paint)) {}
    ~PaintDC() { ::EndPaint(m_hWnd, &m_paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return m_hDC; }
    const RECT& Invalid() const { return m_paint.rcPaint; }

  private:
    HWND m_hWnd;
    PAINTSTRUCT m_paint{};
    HDC m_hDC;
};

// GetDC / ReleaseDC; a null window gives the screen's context.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : m_hWnd(window), m_hDC(::GetDC(window)) {}
    ~WindowDC() {
        if (m_hDC)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return m_hDC; }

  private:
    HWND m_hWnd;
    HDC m_hDC;
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
// Owns one GDI object of type T (HBRUSH, HBITMAP, HFONT, ...), deleted with DeleteObject.
template <typename T>
using GdiObject = ScopedHandle<T, DeleteGdiObject>;

// Selects an object into a context and puts the previous one back at the end of the scope.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_hDC(dc), m_previous(::SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (m_previous && m_previous != HGDI_ERROR)
            ::SelectObject(m_hDC, m_previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC m_hDC;
    HGDIOBJ m_previous;
};

}  // namespace fw
