// The view that fills the main window below the toolbar; it holds the preview panel.
#pragma once

#include "app/PreviewPanel.h"
#include "framework/View.h"

class CTolvarinView : public fw::View {
  public:
    // Registers itself with the application as the view to repaint.
    CTolvarinView();
    ~CTolvarinView() override;

    PreviewPanel& Panel() { return m_previewPanel; }
    bool PreTranslateMessage(MSG& msg) override;

  protected:
    bool OnCreate() override;
    // Repaints the panel; the view itself paints nothing.
    void OnDraw(HDC dc) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    PreviewPanel m_previewPanel;
};
