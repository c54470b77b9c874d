// The settings sheet embedded in the preview panel above the preview slots: four pages that write
// the settings record as their controls change. No OK, Cancel or Apply.
#pragma once

#include <windows.h>

#include "dialogs/SettingsHooks.h"
#include "dialogs/SkinCtrlPPage1.h"
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
    CSkinCtrlPPage1 m_page1;
};
