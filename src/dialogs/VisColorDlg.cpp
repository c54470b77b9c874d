#include "dialogs/VisColorDlg.h"

#include <windowsx.h>

#include <algorithm>

#include "compose/VisColorPanel.h"
#include "compose/VisGradation.h"
#include "dialogs/DrawDib.h"
#include "dialogs/PickColor.h"
#include "dialogs/VisColorDlgRes.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"

namespace {

using VisColors = std::array<SkinColorValue, kVisColorCount>;

// The panels in the order they are laid out, hit-tested and drawn.
enum PanelIndex { kBackground, kAnalyzer, kOscilloscope, kPeak, kPanelCount };

constexpr int kAnchorIds[kPanelCount] = {IDC_VIS_BACKGROUND_ANCHOR, IDC_VIS_ANALYZER_ANCHOR,
                                         IDC_VIS_OSCILLOSCOPE_ANCHOR, IDC_VIS_PEAK_ANCHOR};
static_assert(kVisColorGroups.size() == kPanelCount);

// Hit rectangles include their right and bottom edges, unlike PtInRect's.
bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace

class CVisColorDlg : public fw::Dialog {
  public:
    explicit CVisColorDlg(const VisColors& colors) : m_colors(colors) {}

    const VisColors& Colors() const { return m_colors; }

  protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    struct Panel {
        RECT hit{};  // dialog client pixels, bounds inclusive
        DibBuffer dib;
    };

    // Draws every swatch and both markers into the panels (not to the screen).
    void PaintSwatches();
    void DrawPanelSwatch(PanelIndex panel, int swatch);
    void DrawMarkers();
    void OnPaint();
    // False when the click lies outside the analyzer panel and gets the default processing.
    bool OnLButtonDown(POINT point);
    void PickColorAt(POINT point);
    void OnGradation();
    void OnResetColors();
    void Redraw() const { ::InvalidateRect(m_hWnd, nullptr, FALSE); }

    Panel m_panels[kPanelCount];
    int m_nMarkA = 0;
    int m_nMarkB = 0;
    int m_nMarkToggle = 0;  // which marker the next left click moves: 0 A, 1 B (after the toggle)
    VisColors m_colors;
};

bool CVisColorDlg::OnInitDialog() {
    m_nMarkA = m_nMarkB = 0;
    m_nMarkToggle = 0;
    for (int i = 0; i < kPanelCount; ++i) {
        Panel& panel = m_panels[i];
        // Only the anchor's top-left corner counts: the panel keeps its own pixel size.
        RECT anchor{};
        if (HWND control = ::GetDlgItem(m_hWnd, kAnchorIds[i])) {
            ::GetWindowRect(control, &anchor);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&anchor), 2);
        }
        const int height = kSwatchHeight * kVisColorGroups[i].count;
        panel.hit = {anchor.left, anchor.top, anchor.left + kSwatchWidth - 1, anchor.top + height - 1};
        AllocateVisPanel(panel.dib, kVisColorGroups[i]);
    }
    PaintSwatches();
    Redraw();
    return true;
}

void CVisColorDlg::DrawPanelSwatch(PanelIndex panel, int swatch) {
    DrawSwatch(m_panels[panel].dib, swatch, m_colors[kVisColorGroups[panel].first + static_cast<size_t>(swatch)]);
}

void CVisColorDlg::DrawMarkers() {
    DrawMarker(m_panels[kAnalyzer].dib, m_nMarkA);
    DrawMarker(m_panels[kAnalyzer].dib, m_nMarkB);
}

void CVisColorDlg::PaintSwatches() {
    for (int swatch = 0; swatch < kVisBackground.count; ++swatch)
        DrawPanelSwatch(kBackground, swatch);
    for (int swatch = 0; swatch < kVisAnalyzer.count; ++swatch)
        DrawPanelSwatch(kAnalyzer, swatch);
    DrawMarkers();
    for (int swatch = 0; swatch < kVisOscilloscope.count; ++swatch)
        DrawPanelSwatch(kOscilloscope, swatch);
    DrawPanelSwatch(kPeak, 0);
}

void CVisColorDlg::OnPaint() {
    const fw::PaintDC paint(m_hWnd);
    for (const Panel& panel : m_panels)
        DrawDib(paint.Get(), panel.dib, {panel.hit.left, panel.hit.top});
}

bool CVisColorDlg::OnLButtonDown(POINT point) {
    const RECT& hit = m_panels[kAnalyzer].hit;
    if (!Contains(hit, point))
        return false;
    const int swatch = (point.y - hit.top) / kSwatchHeight;
    m_nMarkToggle = (m_nMarkToggle + 1) % 2;
    // The marker that moves is first drawn away by repainting its swatch.
    int& mark = m_nMarkToggle == 0 ? m_nMarkA : m_nMarkB;
    DrawPanelSwatch(kAnalyzer, mark);
    mark = swatch;
    DrawMarkers();
    Redraw();
    return true;
}

void CVisColorDlg::PickColorAt(POINT point) {
    for (int i = 0; i < kPanelCount; ++i) {
        const RECT& hit = m_panels[i].hit;
        if (!Contains(hit, point))
            continue;
        const int swatch = (point.y - hit.top) / kSwatchHeight;
        // A cancelled chooser leaves the colour; the swatch is drawn again all the same.
        PickColor(m_hWnd, m_colors[kVisColorGroups[i].first + static_cast<size_t>(swatch)]);
        DrawPanelSwatch(static_cast<PanelIndex>(i), swatch);
        if (i == kAnalyzer)
            DrawMarkers();
        Redraw();
        return;
    }
}

void CVisColorDlg::OnGradation() {
    if (!FillVisGradation(m_colors, m_nMarkA, m_nMarkB))
        return;
    // The marked ends keep their colours and frames: only the swatches between them change.
    for (int swatch = std::min(m_nMarkA, m_nMarkB) + 1; swatch < std::max(m_nMarkA, m_nMarkB); ++swatch)
        DrawPanelSwatch(kAnalyzer, swatch);
    Redraw();
}

void CVisColorDlg::OnResetColors() {
    m_colors = SettingsDefaults.VisColor;
    PaintSwatches();
    Redraw();
}

bool CVisColorDlg::OnCommand(UINT id, UINT code, HWND) {
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_VIS_GRADATION)
        OnGradation();
    else if (id == IDC_VIS_RESET)
        OnResetColors();
    else
        return false;
    return true;
}

bool CVisColorDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_PAINT:
            OnPaint();
            result = 0;
            return true;
        case WM_LBUTTONDOWN:
            result = 0;
            return OnLButtonDown(point);
        case WM_RBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The dialog class delivers double-clicks; the first click of one has moved a marker.
            PickColorAt(point);
            return false;
        default:
            return fw::Dialog::HandleMessage(message, wParam, lParam, result);
    }
}

bool EditVisColors(HWND owner, VisColors& colors) {
    CVisColorDlg dialog(colors);
    if (dialog.DoModal(fw::TopLevelOwner(owner), IDD_VIS_COLOR) != IDOK)
        return false;
    colors = dialog.Colors();
    return true;
}
