#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "Cases.h"
#include "FolderCheck.h"
#include "writer/SaveSkin.h"

namespace oracle {

namespace fs = std::filesystem;

Scratch::Scratch()
    : root_(fs::temp_directory_path() / ("tolvarin-oracle-" + std::to_string(reinterpret_cast<uintptr_t>(this)))) {
    fs::remove_all(root_);
    fs::create_directories(root_);
}

Scratch::~Scratch() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::string Scratch::FreshFolder() {
    return (root_ / ("skin" + std::to_string(next_++))).string();
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void ExpectFolderMatches(const ExpectedFolder& expected, const std::string& folder) {
    std::set<std::string> present;
    for (const auto& entry : fs::directory_iterator(folder))
        present.insert(entry.path().filename().string());
    std::set<std::string> wanted;
    for (const auto& [name, bytes] : expected.files)
        wanted.insert(name);
    if (expected.sexyFont)
        wanted.insert("SEXYFONT.TXT");
    for (const std::string& name : wanted) {
        if (!present.count(name))
            ADD_FAILURE() << name << " was not written";
    }
    for (const std::string& name : present) {
        if (!wanted.count(name))
            ADD_FAILURE() << name << " was written but should not be";
    }

    for (const auto& [name, bytes] : expected.files) {
        if (!present.count(name))
            continue;
        const std::string actual = ReadFileBytes(fs::path(folder) / name);
        const bool bitmap = name.ends_with(".BMP");
        const int32_t width =
            bitmap && bytes.size() >= 54 ? static_cast<uint8_t>(bytes[18]) | static_cast<uint8_t>(bytes[19]) << 8 : 0;
        const std::string difference = DescribeDifference(bytes, actual, bitmap ? 54 : 0, (3 * width + 3) / 4 * 4, 3);
        EXPECT_EQ(difference, "") << name;
    }
    if (expected.sexyFont && present.count("SEXYFONT.TXT")) {
        EXPECT_EQ(CheckSexyFontTxt(ReadFileBytes(fs::path(folder) / "SEXYFONT.TXT")), "");
    }
}

namespace {

void SaveAndCompare(Scratch& scratch, const SkinSettings& s, const PictureCase& picture) {
    const std::string folder = scratch.FreshFolder();
    ASSERT_EQ(SaveSkinFolder(folder, s, picture.fit232, picture.fit116), 1);
    ExpectFolderMatches(ExpectedSkinFolder(s, picture.fit232, picture.fit116), folder);
}

std::string Describe(const SkinSettings& s) {
    return "FullSize " + std::to_string(s.FullSize) + " SkinReverse " + std::to_string(s.SkinReverse) + " SkinLine " +
           std::to_string(s.SkinLine) + " SkinAlphaBrend " + std::to_string(s.SkinAlphaBrend) + " PLSave " +
           std::to_string(s.PLSave) + " MBSave " + std::to_string(s.MBSave);
}

// Every combination of the five flags for every picture; the opacity and the colour profile
// rotate with the case number so that each value meets several flag combinations.
TEST(SkinFolderOracle, EveryFlagCombinationForEveryPicture) {
    Scratch scratch;
    int n = 0;
    for (const PictureCase& picture : Pictures()) {
        for (int flags = 0; flags < 32; ++flags, ++n) {
            const ColourProfile& profile = ColourProfiles()[n % ColourProfiles().size()];
            SkinSettings s = profile.settings;
            s.FullSize = flags & 1;
            s.SkinReverse = flags >> 1 & 1;
            s.SkinLine = flags >> 2 & 1;
            s.PLSave = flags >> 3 & 1;
            s.MBSave = flags >> 4 & 1;
            s.SkinAlphaBrend = Opacities()[n % Opacities().size()];
            SCOPED_TRACE(std::string(picture.name) + ", " + profile.name + ", " + Describe(s));
            SaveAndCompare(scratch, s, picture);
        }
    }
}

// Every opacity with every colour profile, both stackings and the window alone.
TEST(SkinFolderOracle, EveryOpacityWithEveryColourProfile) {
    Scratch scratch;
    const PictureCase& picture = Pictures()[1];
    int n = 0;
    for (const ColourProfile& profile : ColourProfiles()) {
        for (int32_t opacity : Opacities()) {
            SkinSettings s = profile.settings;
            s.SkinAlphaBrend = opacity;
            s.FullSize = n % 3 != 2;
            s.SkinReverse = n % 3 == 0;
            ++n;
            SCOPED_TRACE(std::string(picture.name) + ", " + profile.name + ", " + Describe(s));
            SaveAndCompare(scratch, s, picture);
        }
    }
}

}  // namespace

}  // namespace oracle
