#include <gtest/gtest.h>

#include "Cases.h"
#include "PreviewModel.h"
#include "SkinModel.h"
#include "compose/Compose.h"
#include "compose/PreviewImage.h"
#include "writer/BitmapFile.h"

namespace oracle {

namespace {

void ExpectCanvases(const ExpectedCanvases& expected, const SkinCanvases& canvases) {
    EXPECT_EQ(DescribeDifference(expected.controlOverlay, canvases.controlOverlay, 4), "") << "control overlay";
    EXPECT_EQ(DescribeDifference(expected.playlistBase, canvases.playlistBase, 4), "") << "playlist base";
    EXPECT_EQ(DescribeDifference(expected.mainEq, canvases.mainEq, 4), "") << "main and equalizer";
    EXPECT_EQ(DescribeDifference(expected.main, canvases.main, 4), "") << "main window alone";
    EXPECT_EQ(DescribeDifference(expected.playlistCanvas, canvases.playlistCanvas, 4), "") << "playlist";
    EXPECT_EQ(DescribeDifference(expected.browserCanvas, canvases.browserCanvas, 4), "") << "browser";
}

void ComposeAndCompare(const SkinSettings& s, const PictureCase& picture) {
    SkinCanvases canvases;
    ASSERT_EQ(canvases.Allocate(), 1);
    BuildTemplates(s, canvases);
    ComposeSkin(s, picture.fit232, picture.fit116, canvases);
    const ExpectedCanvases expected = ExpectedComposition(s, picture.fit232, picture.fit116);
    ExpectCanvases(expected, canvases);

    DibBuffer preview;
    ASSERT_EQ(ComposePreviewImage(s, canvases, true, preview), 1);
    const Raster expectedPreview = ExpectedPreview(s, expected, true);
    EXPECT_EQ(DescribeDifference(expectedPreview, preview, 3), "") << "preview image";

    // The file the command line writes for the preview.
    BitmapImage file;
    ASSERT_EQ(EncodeBitmap24(preview, file), 1);
    const std::string written(reinterpret_cast<const char*>(file.Data()), file.Size());
    EXPECT_EQ(DescribeDifference(BitmapFileBytes(expectedPreview), written, 54, BitmapStride(kPreviewWidth), 3), "")
        << "preview bitmap file";
}

TEST(PreviewOracle, EveryFlagCombinationOverThePictures) {
    ForEachCase(FlagCases(1, 5), ComposeAndCompare);
}

TEST(PreviewOracle, EveryOpacityWithEveryColourProfile) {
    ForEachCase(OpacityCases(Pictures()[6]), ComposeAndCompare);
}

// Flags are tested as the composition states them: the frame only for SkinLine 1, the rest for
// non-zero.
TEST(PreviewOracle, FlagValuesOtherThanZeroAndOne) {
    ForEachCase(FlagValueCases(Pictures()[1]), ComposeAndCompare);
}

// Composing again into the same canvases: the main canvas not chosen keeps what it held, every
// other canvas is rewritten.
TEST(PreviewOracle, RecompositionIntoTheSameCanvases) {
    const PictureCase& picture = Pictures()[5];
    SkinCanvases canvases;
    ASSERT_EQ(canvases.Allocate(), 1);
    Raster lastMainEq = Raster::Make(275, 232, 4), lastMain = Raster::Make(275, 116, 4);
    int n = 0;
    for (int32_t fullSize : {1, 0, 0, 1, 0}) {
        const ColourProfile& profile = ColourProfiles()[n % ColourProfiles().size()];
        SkinSettings s = profile.settings;
        s.FullSize = fullSize;
        s.SkinReverse = n % 2;
        s.SkinAlphaBrend = Opacities()[n * 3 % Opacities().size()];
        ++n;
        SCOPED_TRACE(std::string(profile.name) + ", " + Describe(s));
        BuildTemplates(s, canvases);
        ComposeSkin(s, picture.fit232, picture.fit116, canvases);
        ExpectedCanvases expected = ExpectedComposition(s, picture.fit232, picture.fit116);
        (fullSize != 0 ? expected.main : expected.mainEq) = fullSize != 0 ? lastMain : lastMainEq;
        ExpectCanvases(expected, canvases);
        lastMainEq = expected.mainEq;
        lastMain = expected.main;
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
