#include <gtest/gtest.h>

#include "compose/ColorRules.h"
#include "compose/SkinLayout.h"

namespace {

TEST(BlendChannel, MixesTowardTheOverlayTruncatingTowardZeroAndClamps) {
    struct Row {
        int overlay, base, opacity, expected;
    };
    const Row rows[] = {
        {255, 0, 7, 178},         {0, 255, 7, 77},          {128, 100, 7, 119},   // the opacity of the defaults
        {0, 255, 5, 128},         {255, 0, 5, 127},                               // -1275 / 10 is -127, not -128
        {0, 255, 0, 255},         {255, 0, 0, 0},           {37, 200, 0, 200},    // 0 keeps the base
        {0, 255, 10, 0},          {255, 0, 10, 255},        {37, 200, 10, 37},    // 10 replaces it
        {255, 0, 11, 255},        {0, 255, 11, 0},          {200, 100, 11, 210},  // beyond 10 extrapolates, clamped
        {255, 0, -3, 0},          {0, 255, -3, 255},        {100, 200, -3, 230},  // negative pushes away, clamped
        {255, 0, INT32_MAX, 255}, {0, 255, INT32_MIN, 255},                       // no overflow at the extremes
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.overlay << " over " << row.base << " at " << row.opacity);
        EXPECT_EQ(BlendChannel(row.overlay, row.base, row.opacity), row.expected);
    }
}

TEST(SkinLayout, RowConversionCountsFromTheBottom) {
    EXPECT_EQ(StoredRowOf(116, 0, 116), 0);
    EXPECT_EQ(StoredRowOf(116, 0, 14), 102);  // a title bar at the top is in the last stored rows
    EXPECT_EQ(StoredRowOf(116, 88, 18), 10);  // control buttons
    EXPECT_EQ(StoredRowOf(163, 149, 14), 0);  // bottom strip of the equalizer file
    EXPECT_EQ(StoredRowOf(87, 0, 43), 44);
}

TEST(SkinLayout, WindowRowsFollowFullSizeAndSkinReverse) {
    struct Row {
        int32_t fullSize, skinReverse;
        WindowRows expected;
    };
    const Row rows[] = {
        {0, 0, {116, 0, -1}},   {0, 1, {116, 0, -1}},
        {1, 0, {232, 116, 0}},  // main window on top: the upper, later-stored half
        {1, 1, {232, 0, 116}},  // equalizer on top
        {5, -2, {232, 0, 116}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "FullSize " << row.fullSize << " SkinReverse " << row.skinReverse);
        SkinSettings s;
        s.FullSize = row.fullSize;
        s.SkinReverse = row.skinReverse;
        const WindowRows got = WindowRowsFor(s);
        EXPECT_EQ(got.height, row.expected.height);
        EXPECT_EQ(got.mainRow, row.expected.mainRow);
        EXPECT_EQ(got.eqRow, row.expected.eqRow);
    }
}

TEST(MarkerRules, PreviewUsesThreeMarkersAndFilesAllSix) {
    SkinSettings s;
    s.ColorBG = Rgb(1, 2, 3);
    s.Color = Rgb(4, 5, 6);
    s.TextNORMAL = Rgb(7, 8, 9);
    s.TextNORMALBG = Rgb(10, 11, 12);
    s.NumNORMAL = Rgb(13, 14, 15);
    s.NumNORMALBG = Rgb(16, 17, 18);
    struct Row {
        uint32_t marker;
        const SkinColorValue* expected;
        bool inPreview;
    };
    const Row rows[] = {
        {0x0060E4, &s.ColorBG, true},       {0x00C0FF, &s.Color, true},      {0xFF0000, &s.TextNORMAL, true},
        {0x00FF00, &s.TextNORMALBG, false}, {0xFF00FF, &s.NumNORMAL, false}, {0x00FFFF, &s.NumNORMALBG, false},
        {0x0060E5, nullptr, false},         {0xFFFFFF, nullptr, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.marker);
        EXPECT_EQ(FindMarkerReplacement(row.marker, s, kAllMarkerCount), row.expected);
        EXPECT_EQ(FindMarkerReplacement(row.marker, s, kPreviewMarkerCount), row.inPreview ? row.expected : nullptr);
    }
}

}  // namespace
