#include "app/PreviewPanel.h"

#include <algorithm>

#include "app/AppState.h"
#include "dialogs/DrawDib.h"
#include "framework/Gdi.h"
#include "resources/resource.h"

namespace {

constexpr int kSlotWidth = 275;
constexpr int kSlotHeight = 116;
// Below the slots the original layout leaves 8 pixels of the 450 below the toolbar.
constexpr int kBottomMargin = 8;

}  // namespace

bool PreviewPanel::OnInitDialog() {
    m_stockPictures.Attach(m_hWnd);
    RECT anchor{};
    if (HWND upperLeft = ::GetDlgItem(m_hWnd, IDC_PREVIEW_EQ)) {
        ::GetWindowRect(upperLeft, &anchor);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&anchor), 2);
    }
    m_anchor = {anchor.left, anchor.top};
    m_origin = m_anchor;
    m_sheet.CreateOver(m_hWnd, IDC_SHEET_FRAME);
    return true;
}

void PreviewPanel::Layout(int width, int height) {
    // The template places the slots in dialog units, which follow whatever font the system gives
    // the dialog, while the canvases are fixed in pixels. The grid keeps the upper left slot's
    // place as laid out, moved up only as far as needed to leave the bottom margin of the original
    // layout inside the view; the other statics are put exactly beside and below it, so that the
    // stock pictures and the canvases always cover the same pixels and touch each other. The
    // sheet's place ends where the grid starts.
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    const int lowest = height - kBottomMargin - 2 * kSlotHeight;
    m_origin = {m_anchor.x, std::max(0, std::min<int>(m_anchor.y, lowest))};
    const struct {
        int id;
        int column;
        int row;
    } slots[] = {
        {IDC_PREVIEW_EQ, 0, 0},
        {IDC_PREVIEW_BROWSER, 1, 0},
        {IDC_PREVIEW_MAIN, 0, 1},
        {IDC_PREVIEW_PLAYLIST, 1, 1},
    };
    for (const auto& slot : slots) {
        if (HWND control = ::GetDlgItem(m_hWnd, slot.id))
            ::SetWindowPos(control, nullptr, m_origin.x + slot.column * kSlotWidth, m_origin.y + slot.row * kSlotHeight,
                           kSlotWidth, kSlotHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (HWND sheetPlace = ::GetDlgItem(m_hWnd, IDC_SHEET_FRAME)) {
        RECT place{};
        ::GetWindowRect(sheetPlace, &place);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
        ::SetWindowPos(sheetPlace, nullptr, place.left, place.top, 2 * kSlotWidth,
                       std::max(0, int(m_origin.y - place.top)), SWP_NOZORDER | SWP_NOACTIVATE);
        m_sheet.PlaceOver(m_hWnd, IDC_SHEET_FRAME);
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void PreviewPanel::InvalidatePreview() const {
    if (!m_hWnd)
        return;
    const RECT preview = {m_origin.x, m_origin.y, m_origin.x + 2 * kSlotWidth, m_origin.y + 2 * kSlotHeight};
    ::InvalidateRect(m_hWnd, &preview, FALSE);
}

void PreviewPanel::ShowSlot(int controlId, bool show) const {
    HWND control = ::GetDlgItem(m_hWnd, controlId);
    // Only a change of state: showing or hiding invalidates the panel, which would paint again.
    if (control && (::IsWindowVisible(control) != FALSE) != show)
        ::ShowWindow(control, show ? SW_SHOWNA : SW_HIDE);
}

void PreviewPanel::OnPaint() {
    const fw::PaintDC paint(m_hWnd);
    const HDC dc = paint.Get();
    if (!g_pictureLoaded) {
        ShowSlot(IDC_PREVIEW_MAIN, true);
        ShowSlot(IDC_PREVIEW_EQ, true);
        ShowSlot(IDC_PREVIEW_BROWSER, true);
        ShowSlot(IDC_PREVIEW_PLAYLIST, true);
        return;
    }
    const POINT upperLeft = m_origin;
    const POINT lowerLeft = {m_origin.x, m_origin.y + kSlotHeight};
    const POINT upperRight = {m_origin.x + kSlotWidth, m_origin.y};
    const POINT lowerRight = {m_origin.x + kSlotWidth, m_origin.y + kSlotHeight};

    ShowSlot(IDC_PREVIEW_MAIN, false);
    if (g_skinSettings.FullSize) {
        ShowSlot(IDC_PREVIEW_EQ, false);
        DrawDib(dc, g_canvases.mainEq, upperLeft);  // covers both left slots
    } else {
        ShowSlot(IDC_PREVIEW_EQ, true);
        DrawDib(dc, g_canvases.main, lowerLeft);
    }
    ShowSlot(IDC_PREVIEW_PLAYLIST, !g_skinSettings.PLSave);
    if (g_skinSettings.PLSave)
        DrawDib(dc, g_canvases.playlistCanvas, lowerRight);
    ShowSlot(IDC_PREVIEW_BROWSER, !g_skinSettings.MBSave);
    if (g_skinSettings.MBSave)
        DrawDib(dc, g_canvases.browserCanvas, upperRight);
}

bool PreviewPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_PAINT) {
        OnPaint();
        result = 0;
        return true;
    }
    return fw::Dialog::HandleMessage(message, wParam, lParam, result);
}
