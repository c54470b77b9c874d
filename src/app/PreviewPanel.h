// The child panel of the view: the settings sheet's place at the top and, below it, four preview
// slots that show the composed windows at their real size, or stock pictures without a picture.
#pragma once

#include <windows.h>

#include "app/StockPictures.h"
#include "dialogs/SettingsHooks.h"
#include "dialogs/SkinCtrlPSheet.h"
#include "framework/Dialog.h"
#include "picture/DibBuffer.h"

class PreviewPanel : public fw::Dialog {
  public:
    explicit PreviewPanel(SettingsHooks& hooks) : m_sheet(hooks) {}

    CSkinCtrlPSheet& Sheet() { return m_sheet; }
    // Repaints the four slots without erasing them.
    void InvalidatePreview() const;
    // Fits the panel to the view's client area and places the slot grid in it (see the .cpp).
    void Layout(int width, int height);

  protected:
    bool OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void OnPaint();
    void ShowSlot(int controlId, bool show) const;

    CSkinCtrlPSheet m_sheet;

    // Top-left corner of the upper left slot as the template lays it out, and of the slot grid as
    // placed; the canvases are drawn from the latter.
    POINT m_anchor{};
    POINT m_origin{};
    StockPictures m_stockPictures;
};
