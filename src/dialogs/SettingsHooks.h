// What the settings pages and dialogs need of the program: the settings record they edit, and the
// two hooks that bring the preview in line after a change. The program hands one to whoever
// creates a page or dialog; nothing here reaches for process-wide state.
#pragma once

#include "settings/SkinSettings.h"

class SettingsHooks {
  public:
    virtual ~SettingsHooks() = default;

    virtual SkinSettings& Settings() = 0;
    // Rebuilds the control overlay and the playlist base with the current marker colours; nothing
    // while no picture is loaded.
    virtual void RebuildTemplates() = 0;
    // Composes every preview window again and repaints the preview; nothing while no picture is
    // loaded.
    virtual void RecomposeAndRedraw() = 0;
};
