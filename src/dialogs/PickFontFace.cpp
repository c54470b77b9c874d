#include "dialogs/PickFontFace.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "framework/Wnd.h"

int PickFontFace(HWND owner, char (&face)[kPlFontSize]) {
    // The dialog starts from the font a playlist is shown in: 15 pixels high, fixed pitch, Shift-JIS.
    LOGFONTA font{};
    font.lfHeight = -15;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = OUT_STROKE_PRECIS;
    font.lfClipPrecision = CLIP_STROKE_PRECIS;
    font.lfQuality = DRAFT_QUALITY;
    font.lfPitchAndFamily = FIXED_PITCH | FF_ROMAN;
    const size_t kept = std::min(::strnlen(face, sizeof face), sizeof font.lfFaceName - 1);
    std::memcpy(font.lfFaceName, face, kept);

    // The dialog writes into this description as the user changes the selection, even when the
    // choice is cancelled in the end (Wine does): `face` is written only after OK.
    CHOOSEFONTA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = fw::TopLevelOwner(owner);
    chooser.lpLogFont = &font;
    chooser.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!::ChooseFontA(&chooser))
        return 0;
    const size_t chosen = ::strnlen(font.lfFaceName, sizeof font.lfFaceName);
    std::memcpy(face, font.lfFaceName, chosen);
    face[chosen] = '\0';
    return 1;
}
