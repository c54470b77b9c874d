// The settings sheet embedded in the preview panel above the preview slots: four pages that write
// the settings record as their controls change. No OK, Cancel or Apply.
#pragma once

#include <windows.h>

#include "dialogs/SettingsHooks.h"
#include "dialogs/SkinCtrlPPage1.h"
#include "dialogs/SkinCtrlPPage2.h"
#include "dialogs/SkinCtrlPPage5.h"
#include "dialogs/SkinCtrlPPage6.h"
#include "framework/PropertySheet.h"

class CSkinCtrlPSheet : public fw::PropertySheet {
  public:
    explicit CSkinCtrlPSheet(SettingsHooks& hooks);

    // Creates the sheet as a child of `panel` on the rectangle of its control `placeholderId` and
    // creates every page once, each filled from the record; false when the sheet cannot be made.
    bool CreateOver(HWND panel, int placeholderId);
    // Moves the sheet onto the placeholder's rectangle; the tab control keeps its margins inside.
    void PlaceOver(HWND panel, int placeholderId) const;
    // Record to controls on every page that exists (after a settings read).
    void RefreshPages();

  private:
    // In tab order; destroyed in reverse.
    CSkinCtrlPPage1 m_page1;
    CSkinCtrlPPage2 m_page2;
    CSkinCtrlPPage5 m_page5;
    CSkinCtrlPPage6 m_page6;
};
