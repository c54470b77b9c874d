#include "app/Recompose.h"

#include <windows.h>

#include <commdlg.h>

#include "app/AppState.h"
#include "app/MainFrame.h"
#include "app/TolvarinApp.h"
#include "app/TolvarinView.h"
#include "compose/Compose.h"

void RebuildTemplates() {
    if (g_pictureLoaded)
        BuildTemplates(g_skinSettings, g_canvases);
}

void RecomposeAndRedraw() {
    if (!g_pictureLoaded)
        return;
    ComposeSkin(g_skinSettings, g_fit232, g_fit116, g_canvases);
    if (theApp.m_pPreviewView)
        theApp.m_pPreviewView->Panel().InvalidatePreview();
}

int PickColor(SkinColorValue& color) {
    // The custom colours last for the process, as the dialog's own do between its uses.
    static COLORREF customColors[16] = {};
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = g_pMainFrame ? g_pMainFrame->Handle() : nullptr;  // modal to the main window
    chooser.rgbResult = ToColorRef(color);
    chooser.lpCustColors = customColors;
    chooser.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!::ChooseColorA(&chooser))
        return 0;
    FromColorRef(color, chooser.rgbResult);
    return 1;
}
