// The controls of the About box, created at run time in this order from a table of texts, ids,
// client-pixel rectangles and styles (the dialog's template is empty).
#pragma once

#include <windows.h>

#include <span>

enum class AboutControlKind { kIcon, kButton, kStatic, kComboBox, kProgress };

struct AboutControl {
    AboutControlKind kind;
    int id;  // -1 for a label
    const char* text;
    RECT rect;  // left, top, right, bottom in client pixels
    DWORD style;
};

// Ids the dialog works with.
constexpr int kAboutIcon = 128;
constexpr int kAboutVersion = 129;
constexpr int kAboutCompany = 130;
constexpr int kAboutColorDepth = 131;
constexpr int kAboutScreenWidth = 132;
constexpr int kAboutScreenHeight = 133;
constexpr int kAboutTotalPhys = 134;
constexpr int kAboutFreePhys = 135;
constexpr int kAboutTotalPageFile = 136;
constexpr int kAboutFreePageFile = 137;
constexpr int kAboutSystemResources = 138;
constexpr int kAboutUserResources = 139;
constexpr int kAboutGdiResources = 140;
constexpr int kAboutFreePageFilePercent = 141;
constexpr int kAboutFreePhysPercent = 142;
constexpr int kAboutBottomExpanded = 143;   // marker: the expanded dialog without the resource rows
constexpr int kAboutBottomResources = 144;  // marker: the expanded dialog with them
constexpr int kAboutBottomCollapsed = 145;  // marker: the collapsed dialog
constexpr int kAboutSizingButton = 146;     // invisible, sizes the dialog once while it opens
constexpr int kAboutToggle = 147;           // "システム情報(&M)" / "情報閉じる(&L)"
constexpr int kAboutFreePhysBar = 148;
constexpr int kAboutFreePageFileBar = 149;
constexpr int kAboutSystemResourcesBar = 150;
constexpr int kAboutUserResourcesBar = 151;
constexpr int kAboutGdiResourcesBar = 152;
constexpr int kAboutUnit = 153;

// All 48 controls in creation order (the icon, 9 buttons, 32 statics, the unit combo box and 5
// progress bars), which is also the order in which collapsing enables and disables them.
std::span<const AboutControl> AboutControls();

// The unit combo box's entries, in the order of their divisors 1, 1024, 1024^2 and 1024^3.
std::span<const char* const> AboutUnitNames();
