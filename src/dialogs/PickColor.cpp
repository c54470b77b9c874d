#include "dialogs/PickColor.h"

#include <commdlg.h>

int PickColor(HWND owner, SkinColorValue& color) {
    // The custom colours last for the process, as the dialog's own do between its uses.
    static COLORREF customColors[16] = {};
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    // A child window cannot own a dialog: the chooser disables the top-level window it belongs to.
    chooser.hwndOwner = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    chooser.rgbResult = ToColorRef(color);
    chooser.lpCustColors = customColors;
    chooser.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!::ChooseColorA(&chooser))
        return 0;
    FromColorRef(color, chooser.rgbResult);
    return 1;
}
