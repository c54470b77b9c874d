// The view that fills the main window below the toolbar. It holds the preview panel, and it is the
// settings-change path that the panel's settings pages go through: the record and the two hooks
// that recompose and repaint the preview.
#pragma once

#include "app/PreviewPanel.h"
#include "dialogs/SettingsHooks.h"
#include "framework/View.h"

class CTolvarinView : public fw::View, public SettingsHooks {
  public:
    // Registers itself with the application as the view to repaint.
    CTolvarinView();
    ~CTolvarinView() override;

    PreviewPanel& Panel() { return m_previewPanel; }

    SkinSettings& Settings() override;
    void RebuildTemplates() override;
    void RecomposeAndRedraw() override;

  protected:
    const char* WindowClassName() const override;
    bool OnCreate() override;
    // Repaints the panel; the view itself paints nothing.
    void OnDraw(HDC dc) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    PreviewPanel m_previewPanel;
};
