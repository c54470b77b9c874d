#include "dialogs/PickColor.h"

#include <commdlg.h>

#include "framework/Wnd.h"

int PickColor(HWND owner, SkinColorValue& color) {
    // The custom colours last for the process, as the dialog's own do between its uses.
    static COLORREF customColors[16] = {};
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = fw::TopLevelOwner(owner);
    chooser.rgbResult = ToColorRef(color);
    chooser.lpCustColors = customColors;
    chooser.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!::ChooseColorA(&chooser))
        return 0;
    FromColorRef(color, chooser.rgbResult);
    return 1;
}

void PickSettingColor(HWND owner, SettingsHooks& hooks, SkinColorValue& color, bool markerColor) {
    if (!PickColor(owner, color))
        return;
    if (markerColor)
        hooks.RebuildTemplates();
    hooks.RecomposeAndRedraw();
}
