// The strip along one edge of a frame that carries the frame's toolbar: a gripper at its start,
// by which the user drags the bar to any of the frame's four edges, and the toolbar laid out as a
// row (top, bottom) or a column (left, right). The toolbar's commands and notifications still go
// to the frame.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/ToolBar.h"
#include "framework/Wnd.h"

namespace fw {

enum class DockEdge { kTop, kBottom, kLeft, kRight };

class DockBar : public Wnd {
  public:
    // Creates the strip as a child of `frame` and moves `bar` into it, docked at the top.
    bool Create(HWND frame, ToolBar& bar);

    DockEdge Edge() const { return m_edge; }
    bool IsVertical() const { return m_edge == DockEdge::kLeft || m_edge == DockEdge::kRight; }
    // Across the edge: the strip's height at the top or bottom, its width at the left or right.
    int Thickness() const;
    // Lays the toolbar out for `edge`; the frame places the strip.
    void SetEdge(DockEdge edge);

    // Called when the user drops the bar on another edge.
    void SetDropHandler(std::function<void(DockEdge)> handler) { m_onDrop = std::move(handler); }

  protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    int ThicknessAt(DockEdge edge) const;
    RECT GripperRect() const;
    void PaintGripper(HDC dc) const;
    void BeginDrag(POINT at);
    void TrackDrag(POINT screen);
    void EndDrag(bool drop);
    // The edge of the frame's client area nearest to a point on the screen.
    DockEdge NearestEdge(POINT screen) const;
    // Where the strip would lie at `edge`, in the frame's client coordinates.
    RECT FootprintAt(DockEdge edge) const;
    void InvertFeedback(const RECT& where) const;

    ToolBar* m_pBar = nullptr;
    DockEdge m_edge = DockEdge::kTop;
    std::function<void(DockEdge)> m_onDrop;

    bool m_bDragging = false;
    bool m_bFeedbackShown = false;
    POINT m_dragStart{};
    DockEdge m_target = DockEdge::kTop;
};

}  // namespace fw
