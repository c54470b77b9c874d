#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "SyntheticTemplates.h"
#include "WriterTestUtil.h"
#include "compose/ColorRules.h"
#include "compose/SkinLayout.h"
#include "writer/SaveSkin.h"
#include "writer/SkinBitmaps.h"

namespace {

using writertest::BmpFile;
using writertest::GradientAt;
using Bgr = std::array<uint8_t, 3>;

TEST(SkinBitmapRecipes, EveryCopyAndBlendFitsItsWindowAndImage) {
    std::vector<SkinBitmapRecipe> recipes;
    for (SkinMode mode : {SkinMode::Classic, SkinMode::Complete})
        recipes.insert(recipes.end(), SkinBitmapRecipes(mode).begin(), SkinBitmapRecipes(mode).end());
    for (const SkinBitmapRecipe& recipe : recipes) {
        SCOPED_TRACE(recipe.name);
        if (recipe.templateId != 0) {
            const TemplateSize size = ExpectedTemplateSize(recipe.templateId);
            EXPECT_EQ(size.width, recipe.width);
            EXPECT_EQ(size.height, recipe.height);
        }
        EXPECT_TRUE(recipe.templateId != 0 || (!recipe.recolor && recipe.blend.width == 0));
        for (const BackgroundCopy& copy : recipe.copies) {
            const SkinRect& s = copy.source;
            EXPECT_TRUE(s.x >= 0 && s.y >= 0 && s.x + s.width <= kSkinWidth && s.y + s.height <= kWindowHeight);
            EXPECT_GT(copy.count, 0);
            for (int i = 0; i < copy.count; ++i) {
                EXPECT_TRUE(copy.to[i].x >= 0 && copy.to[i].y >= 0 && copy.to[i].x + s.width <= recipe.width &&
                            copy.to[i].y + s.height <= recipe.height)
                    << "place " << i;
            }
        }
        const SkinRect& b = recipe.blend;
        EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.width <= recipe.width && b.y + b.height <= recipe.height);
    }
}

// Saves a skin made of the gradient picture and the patterned templates and reads its bitmaps.
class SkinBitmapsTest : public testing::Test {
  protected:
    void SetUp() override {
        settings.FullSize = 1;
        settings.SkinReverse = 0;  // main window from picture rows 0..115, equalizer from 116..231
        settings.SkinLine = 0;
        settings.SkinAlphaBrend = 10;
        settings.Color = Rgb(1, 2, 3);
        settings.ColorBG = Rgb(4, 5, 6);
        settings.TextNORMAL = Rgb(7, 8, 9);
        settings.TextNORMALBG = Rgb(10, 11, 12);
        settings.NumNORMAL = Rgb(13, 14, 15);
        settings.NumNORMALBG = Rgb(16, 17, 18);
    }

    void Save(SkinMode mode = SkinMode::Classic, const std::string& skin = "skin") {
        ASSERT_EQ(SaveSkinFolder(folder.Path(skin), settings, fit232, fit116, synthetic::PatternTemplate, mode), 1);
        EXPECT_TRUE(folder.messages.empty());
    }
    BmpFile Load(const char* name, const std::string& skin = "skin") {
        BmpFile file;
        EXPECT_TRUE(file.Load(folder.Path(skin) + "/" + name)) << name;
        return file;
    }
    // The template pixel at (x, y) of the id, markers replaced: what a recolour writes.
    Bgr Recolored(int id, int32_t x, int32_t y) const {
        const synthetic::Rgb3 t = synthetic::PatternAt(id, x, ExpectedTemplateSize(id).height - 1 - y);
        const uint8_t bgr[3] = {t.blue, t.green, t.red};
        if (const SkinColorValue* c = FindMarkerReplacement(TemplateColorAt(bgr), settings, kAllMarkerCount))
            return {c->blue, c->green, c->red};
        return {t.blue, t.green, t.red};
    }
    bool IsWhite(int id, int32_t x, int32_t y) const {
        const synthetic::Rgb3 t = synthetic::PatternAt(id, x, ExpectedTemplateSize(id).height - 1 - y);
        return t.red == 255 && t.green == 255 && t.blue == 255;
    }
    // At opacity 10 a blend shows the template (markers replaced) except where it is white.
    Bgr BlendedAtFull(int id, int32_t x, int32_t y, Bgr under) const {
        return IsWhite(id, x, y) ? under : Recolored(id, x, y);
    }
    // Checks every pixel of a file against expected(x, y).
    void ExpectImage(const BmpFile& file, const std::function<Bgr(int32_t, int32_t)>& expected) {
        for (int32_t y = 0; y < file.height; ++y) {
            for (int32_t x = 0; x < file.width; ++x)
                ASSERT_EQ(file.At(x, y), expected(x, y)) << x << "," << y;
        }
    }

    writertest::MessageScratch folder;
    SkinSettings settings;
    DibBuffer fit232 = writertest::GradientPicture(275, 232);
    DibBuffer fit116 = writertest::GradientPicture(275, 116);
};

const Bgr kBlack{0, 0, 0};

TEST_F(SkinBitmapsTest, BackgroundsAreCopiedUnchanged) {
    Save();
    ExpectImage(Load("MAIN.BMP"), [](int32_t x, int32_t y) { return GradientAt(x, y); });
    ExpectImage(Load("EQMAIN.BMP"), [&](int32_t x, int32_t y) {
        if (y < 116)
            return GradientAt(x, 116 + y);
        if (y >= 149)
            return GradientAt(x, 116 + y - 149);
        for (int32_t left : {10, 69, 128, 187}) {
            if (x >= left && x < left + 58 && y >= 119 && y < 131)
                return GradientAt(14 + x - left, 116 + 18 + y - 119);
        }
        return Recolored(kTplEqMain, x, y);
    });
    ExpectImage(Load("BALANCE.BMP"),
                [](int32_t x, int32_t y) { return x < 9 ? kBlack : GradientAt(177 + x - 9, 57 + y); });
    ExpectImage(Load("VOLUME.BMP"), [](int32_t x, int32_t y) { return GradientAt(107 + x, 57 + y); });
    ExpectImage(Load("POSBAR.BMP"), [&](int32_t x, int32_t y) {
        return x < 248 ? GradientAt(16 + x, 72 + y) : Recolored(kTplPosBar, x, y);
    });
}

TEST_F(SkinBitmapsTest, RecolourOnlyFilesIgnoreTheOpacity) {
    settings.SkinAlphaBrend = 3;
    Save();
    for (auto [name, id] :
         {std::pair{"EQ_EX.BMP", kTplEqEx}, {"TEXT.BMP", kTplText}, {"PLEDIT.BMP", kTplPlEdit}, {"MB.BMP", kTplMb}}) {
        SCOPED_TRACE(name);
        ExpectImage(Load(name), [&, id = id](int32_t x, int32_t y) { return Recolored(id, x, y); });
    }
}

TEST_F(SkinBitmapsTest, BlendedFilesAtFullOpacity) {
    Save();
    // Blended without recolouring: the template over copies of the background, black elsewhere.
    ExpectImage(Load("CBUTTONS.BMP"), [&](int32_t x, int32_t y) {
        Bgr under = kBlack;
        if (x < 114)
            under = GradientAt(16 + x, 88 + y % 18);
        else if (y < 32)
            under = GradientAt(136 + x - 114, 89 + y % 16);
        return BlendedAtFull(kTplCButtons, x, y, under);
    });
    ExpectImage(Load("PLAYPAUS.BMP"), [&](int32_t x, int32_t y) {
        Bgr under = x < 27 ? GradientAt(26 + x % 9, 28 + y) : GradientAt(24 + (x < 30 ? x - 27 : (x - 36) % 3), 28 + y);
        if (x >= 30 && x < 36)
            under = kBlack;
        return BlendedAtFull(kTplPlayPaus, x, y, under);
    });
    ExpectImage(Load("MONOSTER.BMP"), [&](int32_t x, int32_t y) {
        const Bgr under = x < 29 ? GradientAt(239 + x, 41 + y % 12) : GradientAt(212 + x - 29, 41 + y % 12);
        return BlendedAtFull(kTplMonoSter, x, y, under);
    });
    // Recoloured, then blended over a part: outside it the recoloured template stays.
    ExpectImage(Load("NUMS_EX.BMP"), [&](int32_t x, int32_t y) {
        if (x < 90)
            return Recolored(kTplNumsEx, x, y);
        return BlendedAtFull(kTplNumsEx, x, y, GradientAt(36 + (x - 90) % 9, 26 + y));
    });
    const BmpFile titleBar = Load("TITLEBAR.BMP");
    EXPECT_EQ(titleBar.At(27 + 5, 57 + 3), BlendedAtFull(kTplTitleBar, 32, 60, GradientAt(5, 3)));
    EXPECT_EQ(titleBar.At(336, 44 + 42), BlendedAtFull(kTplTitleBar, 336, 86, GradientAt(10 + 0, 22 + 42)));
    EXPECT_EQ(titleBar.At(0, 30), Recolored(kTplTitleBar, 0, 30));
    const BmpFile shufRep = Load("SHUFREP.BMP");
    EXPECT_EQ(shufRep.At(46 + 45, 61 + 11), BlendedAtFull(kTplShufRep, 91, 72, GradientAt(219 + 45, 58 + 11)));
    EXPECT_EQ(shufRep.At(91, 60), BlendedAtFull(kTplShufRep, 91, 60, kBlack));
}

TEST_F(SkinBitmapsTest, ZeroOpacityShowsOnlyTheBackground) {
    settings.SkinAlphaBrend = 0;
    Save();
    ExpectImage(Load("CBUTTONS.BMP"), [](int32_t x, int32_t y) {
        if (x < 114)
            return GradientAt(16 + x, 88 + y % 18);
        return y < 32 ? GradientAt(136 + x - 114, 89 + y % 16) : kBlack;
    });
}

TEST_F(SkinBitmapsTest, HalfOpacityTruncatesTowardZero) {
    settings.SkinAlphaBrend = 5;
    settings.Color = Rgb(255, 0, 255);
    Save();
    const BmpFile cButtons = Load("CBUTTONS.BMP");
    int checked = 0;
    for (int32_t y = 32; y < 36; ++y) {
        for (int32_t x = 114; x < 136; ++x) {  // over black
            const synthetic::Rgb3 t = synthetic::PatternAt(kTplCButtons, x, 35 - y);
            if (t.red == 0 && t.green == 192 && t.blue == 255) {
                EXPECT_EQ(cButtons.At(x, y), (Bgr{127, 0, 127}));  // 255 over 0
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST_F(SkinBitmapsTest, CompleteSkinBlendsItsFramesOverThePictureAndKeepsItsThumbsSolid) {
    settings.SkinAlphaBrend = 10;
    Save(SkinMode::Complete, "complete");
    Save(SkinMode::Classic, "classic");
    // Each of the 28 frames over its own copy of the bar's picture; the thumbs at full strength.
    auto bar = [&](int id, int32_t left, int32_t width, int32_t mainX) {
        return [=, this](int32_t x, int32_t y) {
            if (y < 420 && y % 15 < 13 && x >= left && x < left + width)
                return BlendedAtFull(id, x, y, GradientAt(mainX + x - left, 57 + y % 15));
            return Recolored(id, x, y);
        };
    };
    ExpectImage(Load("VOLUME.BMP", "complete"), bar(kTplVolume, 0, 68, 107));
    ExpectImage(Load("BALANCE.BMP", "complete"), bar(kTplBalance, 9, 38, 177));
    const BmpFile eq = Load("EQMAIN.BMP", "complete");
    ASSERT_EQ(eq.height, 315);
    EXPECT_EQ(eq.At(100, 50), BlendedAtFull(kTplCompleteEqMain, 100, 50, GradientAt(100, 116 + 50)));
    EXPECT_EQ(eq.At(13 + 45 + 2, 229 + 5), BlendedAtFull(kTplCompleteEqMain, 60, 234, GradientAt(152, 116 + 43)));
    EXPECT_EQ(eq.At(3, 266), BlendedAtFull(kTplCompleteEqMain, 3, 266, kBlack));  // left of the frames: no copy
    for (auto [x, y] : {std::pair{5, 170}, {5, 180}, {115, 300}, {7, 314}})
        EXPECT_EQ(eq.At(x, y), Recolored(kTplCompleteEqMain, x, y)) << x << "," << y;
    for (const char* same : {"MAIN.BMP", "CBUTTONS.BMP", "TITLEBAR.BMP", "TEXT.BMP", "PLEDIT.BMP"})
        EXPECT_EQ(Load(same, "complete").bytes, Load(same, "classic").bytes) << same;
}

TEST_F(SkinBitmapsTest, SkinReverseTakesTheMainWindowFromTheLowerHalf) {
    settings.SkinReverse = 1;
    Save();
    ExpectImage(Load("MAIN.BMP"), [](int32_t x, int32_t y) { return GradientAt(x, 116 + y); });
    EXPECT_EQ(Load("EQMAIN.BMP").At(100, 50), GradientAt(100, 50));
}

}  // namespace
