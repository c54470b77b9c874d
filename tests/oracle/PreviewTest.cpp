#include <gtest/gtest.h>

#include "Cases.h"
#include "PreviewModel.h"
#include "compose/Compose.h"
#include "compose/PreviewImage.h"

namespace oracle {

namespace {

void ComposeAndCompare(const SkinSettings& s, const PictureCase& picture) {
    SkinCanvases canvases;
    ASSERT_EQ(canvases.Allocate(), 1);
    BuildTemplates(s, canvases);
    ComposeSkin(s, picture.fit232, picture.fit116, canvases);
    const ExpectedCanvases expected = ExpectedComposition(s, picture.fit232, picture.fit116);
    EXPECT_EQ(DescribeDifference(expected.controlOverlay, canvases.controlOverlay, 4), "") << "control overlay";
    EXPECT_EQ(DescribeDifference(expected.playlistBase, canvases.playlistBase, 4), "") << "playlist base";
    EXPECT_EQ(DescribeDifference(expected.mainEq, canvases.mainEq, 4), "") << "main and equalizer";
    EXPECT_EQ(DescribeDifference(expected.main, canvases.main, 4), "") << "main window alone";
    EXPECT_EQ(DescribeDifference(expected.playlistCanvas, canvases.playlistCanvas, 4), "") << "playlist";
    EXPECT_EQ(DescribeDifference(expected.browserCanvas, canvases.browserCanvas, 4), "") << "browser";

    DibBuffer preview;
    ASSERT_EQ(ComposePreviewImage(s, canvases, true, preview), 1);
    EXPECT_EQ(DescribeDifference(ExpectedPreview(s, expected, true), preview, 3), "") << "preview image";
}

std::string Describe(const SkinSettings& s) {
    return "FullSize " + std::to_string(s.FullSize) + " SkinReverse " + std::to_string(s.SkinReverse) + " SkinLine " +
           std::to_string(s.SkinLine) + " SkinAlphaBrend " + std::to_string(s.SkinAlphaBrend) + " PLSave " +
           std::to_string(s.PLSave) + " MBSave " + std::to_string(s.MBSave);
}

TEST(PreviewOracle, EveryFlagCombinationForEveryPicture) {
    int n = 0;
    for (const PictureCase& picture : Pictures()) {
        for (int flags = 0; flags < 32; ++flags, ++n) {
            const ColourProfile& profile = ColourProfiles()[(n + 1) % ColourProfiles().size()];
            SkinSettings s = profile.settings;
            s.FullSize = flags & 1;
            s.SkinReverse = flags >> 1 & 1;
            s.SkinLine = flags >> 2 & 1;
            s.PLSave = flags >> 3 & 1;
            s.MBSave = flags >> 4 & 1;
            s.SkinAlphaBrend = Opacities()[(n * 5) % Opacities().size()];
            SCOPED_TRACE(std::string(picture.name) + ", " + profile.name + ", " + Describe(s));
            ComposeAndCompare(s, picture);
        }
    }
}

TEST(PreviewOracle, EveryOpacityWithEveryColourProfile) {
    const PictureCase& picture = Pictures()[6];
    int n = 0;
    for (const ColourProfile& profile : ColourProfiles()) {
        for (int32_t opacity : Opacities()) {
            SkinSettings s = profile.settings;
            s.SkinAlphaBrend = opacity;
            s.FullSize = n % 3 != 2;
            s.SkinReverse = n % 3 == 0;
            ++n;
            SCOPED_TRACE(std::string(picture.name) + ", " + profile.name + ", " + Describe(s));
            ComposeAndCompare(s, picture);
        }
    }
}

// Without a picture every slot shows its stock picture, whatever the settings say.
TEST(PreviewOracle, StockPicturesWithoutAPicture) {
    for (int flags = 0; flags < 8; ++flags) {
        SkinSettings s = SettingsDefaults;
        s.FullSize = flags & 1;
        s.PLSave = flags >> 1 & 1;
        s.MBSave = flags >> 2 & 1;
        SCOPED_TRACE(Describe(s));
        SkinCanvases canvases;
        ASSERT_EQ(canvases.Allocate(), 1);
        DibBuffer preview;
        ASSERT_EQ(ComposePreviewImage(s, canvases, false, preview), 1);
        EXPECT_EQ(DescribeDifference(ExpectedPreview(s, ExpectedCanvases{}, false), preview, 3), "");
    }
}

}  // namespace

}  // namespace oracle
