#include "app/SysInfoAboutControls.h"

#include <commctrl.h>

namespace {

using enum AboutControlKind;

constexpr DWORD kIconStyle = WS_CHILD | WS_VISIBLE | SS_ICON;
constexpr DWORD kDefaultButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kPushButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kGroupBox = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kHiddenButton = WS_CHILD;
constexpr DWORD kLeft = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kRight = WS_CHILD | WS_VISIBLE | SS_RIGHT;
constexpr DWORD kMarker = WS_CHILD | SS_BLACKFRAME;  // invisible: only its top counts
constexpr DWORD kUnitCombo = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT;
constexpr DWORD kSmoothBar = WS_CHILD | WS_VISIBLE | PBS_SMOOTH;

constexpr AboutControl kControls[] = {
    {kIcon, kAboutIcon, "IDR_MAINFRAME", {12, 16, 44, 48}, kIconStyle},

    {kButton, IDOK, "OK", {121, 65, 205, 88}, kDefaultButton},
    {kButton, -1, "色", {7, 96, 151, 153}, kGroupBox},
    {kButton, -1, "画面の領域", {149, 96, 319, 153}, kGroupBox},
    {kButton, -1, "メモリ", {7, 158, 320, 332}, kGroupBox},
    {kButton, -1, "物理メモリ", {7, 192, 320, 266}, kGroupBox},
    {kButton, -1, "仮想メモリ", {7, 258, 320, 332}, kGroupBox},
    {kButton, -1, "リソース", {7, 336, 320, 411}, kGroupBox},
    {kButton, kAboutSizingButton, "", {75, 342, 163, 351}, kHiddenButton},
    {kButton, kAboutToggle, "", {215, 65, 317, 88}, kPushButton},

    {kStatic, -1, "表示単位(&S)", {117, 176, 182, 188}, kLeft},
    {kStatic, kAboutVersion, "Ver情報", {60, 12, 324, 36}, kLeft},
    {kStatic, kAboutCompany, "(C)", {60, 40, 324, 52}, kLeft},
    {kStatic, kAboutColorDepth, "?? 色", {16, 114, 142, 126}, kLeft},
    {kStatic, -1, "画面の幅", {159, 114, 222, 126}, kLeft},
    {kStatic, kAboutScreenWidth, "???? ピクセル", {235, 114, 312, 126}, kRight},
    {kStatic, -1, "画面の高さ", {159, 132, 222, 144}, kLeft},
    {kStatic, kAboutScreenHeight, "???? ピクセル", {235, 132, 312, 144}, kRight},
    {kStatic, -1, "空きメモリ量", {117, 210, 184, 222}, kLeft},
    {kStatic, kAboutFreePhys, "?????????? K", {196, 210, 310, 222}, kRight},
    {kStatic, -1, "搭載メモリ量", {117, 228, 184, 240}, kLeft},
    {kStatic, kAboutTotalPhys, "?????????? K", {196, 228, 310, 240}, kRight},
    {kStatic, -1, "空きメモリ量", {117, 276, 184, 288}, kLeft},
    {kStatic, kAboutFreePageFile, "?????????? K", {196, 276, 310, 288}, kRight},
    {kStatic, -1, "搭載メモリ量", {117, 294, 184, 306}, kLeft},
    {kStatic, kAboutTotalPageFile, "?????????? K", {196, 294, 310, 306}, kRight},
    {kStatic, -1, "システム リソース：", {18, 356, 116, 368}, kLeft},
    {kStatic, kAboutSystemResources, "???%", {140, 356, 170, 368}, kRight},
    {kStatic, -1, "User リソース：", {18, 374, 116, 386}, kLeft},
    {kStatic, kAboutUserResources, "???%", {140, 374, 170, 386}, kRight},
    {kStatic, -1, "GDI リソース：", {18, 392, 116, 404}, kLeft},
    {kStatic, kAboutGdiResources, "???%", {140, 392, 170, 404}, kRight},
    {kStatic, kAboutBottomExpanded, "", {0, 340, 2, 342}, kMarker},
    {kStatic, kAboutBottomResources, "", {0, 420, 2, 422}, kMarker},
    {kStatic, kAboutBottomCollapsed, "", {0, 99, 2, 101}, kMarker},
    {kStatic, -1, "残り", {117, 246, 140, 258}, kLeft},
    {kStatic, -1, "残り", {117, 312, 140, 324}, kLeft},
    {kStatic, -1, "残り", {117, 356, 140, 368}, kLeft},
    {kStatic, -1, "残り", {117, 374, 140, 386}, kLeft},
    {kStatic, -1, "残り", {117, 392, 140, 404}, kLeft},
    {kStatic, kAboutFreePhysPercent, "???%", {140, 246, 170, 258}, kRight},
    {kStatic, kAboutFreePageFilePercent, "???%", {140, 312, 170, 324}, kRight},

    {kComboBox, kAboutUnit, "", {224, 173, 308, 400}, kUnitCombo},

    {kProgress, kAboutSystemResourcesBar, "", {175, 356, 315, 370}, kSmoothBar},
    {kProgress, kAboutGdiResourcesBar, "", {175, 392, 315, 406}, kSmoothBar},
    {kProgress, kAboutUserResourcesBar, "", {175, 374, 315, 388}, kSmoothBar},
    {kProgress, kAboutFreePhysBar, "", {175, 246, 315, 260}, kSmoothBar},
    {kProgress, kAboutFreePageFileBar, "", {175, 312, 315, 326}, kSmoothBar},
};
static_assert(std::size(kControls) == 48);

// The styles as the layout was made: 0x50000003 icon, 0x50010001 OK, 0x50000007 group boxes,
// 0x40000000 the sizing button, 0x50010000 the toggle, 0x50000000 / 0x50000002 texts, 0x40000007
// markers, 0x50210403 the combo box, 0x50000001 the bars.
static_assert(kIconStyle == 0x50000003 && kDefaultButton == 0x50010001 && kGroupBox == 0x50000007 &&
              kHiddenButton == 0x40000000 && kPushButton == 0x50010000 && kLeft == 0x50000000 && kRight == 0x50000002 &&
              kMarker == 0x40000007 && kUnitCombo == 0x50210403 && kSmoothBar == 0x50000001);

constexpr const char* kUnitNames[] = {"B（バイト）", "K（キロ）", "M（メガ）", "G（ギガ）"};

}  // namespace

std::span<const AboutControl> AboutControls() {
    return kControls;
}

std::span<const char* const> AboutUnitNames() {
    return kUnitNames;
}
