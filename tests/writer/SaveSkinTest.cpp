#include <gtest/gtest.h>

#include <algorithm>

#include "SyntheticTemplates.h"
#include "WriterTestUtil.h"
#include "writer/SaveSkin.h"

namespace {

namespace fs = std::filesystem;
using writertest::MessageScratch;

const std::vector<std::string> kAlwaysWritten = {
    "BALANCE.BMP", "CBUTTONS.BMP", "MAIN.BMP", "MONOSTER.BMP", "NUMS_EX.BMP",  "PLAYPAUS.BMP",
    "POSBAR.BMP",  "SHUFREP.BMP",  "TEXT.BMP", "TITLEBAR.BMP", "VISCOLOR.TXT", "VOLUME.BMP",
};

class SaveSkinTest : public testing::Test {
  protected:
    int Save(const std::string& skin, const TemplateSource& templates = synthetic::PatternTemplate) {
        return SaveSkinFolder(skin, settings, fit232, fit116, templates);
    }
    MessageScratch folder;
    SkinSettings settings;
    DibBuffer fit232 = writertest::GradientPicture(200, 232);
    DibBuffer fit116 = writertest::GradientPicture(275, 100);
    const std::string startDirectory = platform::GetWorkingDirectory();
};

TEST_F(SaveSkinTest, WritesTheFilesItsSettingsAskFor) {
    struct Row {
        int32_t fullSize, plSave, mbSave, sexyFont, maron;
        std::vector<std::string> extra;
    };
    const Row rows[] = {
        {1, 1, 1, 1, 1, {"EQMAIN.BMP", "EQ_EX.BMP", "MARON.TXT", "MB.BMP", "PLEDIT.BMP", "PLEDIT.TXT", "SEXYFONT.TXT"}},
        {0, 1, 1, 1, 1, {"MARON.TXT", "MB.BMP", "PLEDIT.BMP", "PLEDIT.TXT", "SEXYFONT.TXT"}},
        {1, 0, 0, 0, 0, {"EQMAIN.BMP", "EQ_EX.BMP"}},
        {0, 0, 1, 0, 1, {"MARON.TXT", "MB.BMP", "PLEDIT.TXT"}},
        {0, 1, 0, 1, 0, {"PLEDIT.BMP", "PLEDIT.TXT", "SEXYFONT.TXT"}},
    };
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "FullSize " << row.fullSize << " PLSave " << row.plSave << " MBSave "
                                        << row.mbSave << " SexyFontUse " << row.sexyFont << " MaronUse " << row.maron);
        settings.FullSize = row.fullSize;
        settings.PLSave = row.plSave;
        settings.MBSave = row.mbSave;
        settings.SexyFontUse = row.sexyFont;
        settings.MaronUse = row.maron;
        const std::string skin = folder.Path("skin" + std::to_string(n++));
        ASSERT_EQ(Save(skin), 1);
        std::vector<std::string> expected = kAlwaysWritten;
        expected.insert(expected.end(), row.extra.begin(), row.extra.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(ListFolder(skin), expected);
        for (const std::string& name : ListFolder(skin))
            EXPECT_LE(name.size(), kLongestSkinFileName) << name;
        EXPECT_EQ(platform::GetWorkingDirectory(), startDirectory);
    }
    EXPECT_TRUE(folder.messages.empty());
}

TEST_F(SaveSkinTest, FilesASaveDoesNotWriteStayAndTheOthersAreReplaced) {
    const fs::path skin = folder.Root() / "My Skin";
    fs::create_directory(skin);
    for (const char* name : {"EQMAIN.BMP", "MB.BMP", "PLEDIT.TXT", "SEXYFONT.TXT", "MAIN.BMP", "README.TXT"})
        WriteFileBytes(skin / name, "earlier");
    settings.FullSize = 0;
    settings.PLSave = 0;
    settings.MBSave = 0;
    settings.SexyFontUse = 0;
    ASSERT_EQ(Save(skin.string()), 1);
    for (const char* name : {"EQMAIN.BMP", "MB.BMP", "PLEDIT.TXT", "SEXYFONT.TXT", "README.TXT"})
        EXPECT_EQ(ReadFileBytes(skin / name), "earlier") << name;
    EXPECT_EQ(fs::file_size(skin / "MAIN.BMP"), 96102u);
}

TEST_F(SaveSkinTest, AnUnusableFolderIsReportedAndNothingIsWritten) {
    WriteFileBytes(folder.Root() / "taken", "a file, not a folder");
    const std::string cases[] = {folder.Path("taken"), folder.Path("missing/skin"), ""};
    for (const std::string& skin : cases) {
        SCOPED_TRACE(skin);
        folder.messages.clear();
        const auto before = ListFolder(folder.Root());
        EXPECT_EQ(Save(skin), 0);
        ASSERT_EQ(folder.messages.size(), 1u);
        EXPECT_NE(folder.messages[0].find(skin), std::string::npos) << "the message names the folder";
        EXPECT_EQ(ListFolder(folder.Root()), before);
        EXPECT_EQ(platform::GetWorkingDirectory(), startDirectory);
        EXPECT_FALSE(fs::exists(fs::path(startDirectory) / "MAIN.BMP"));
    }
}

// A bitmap that cannot be written stops the save with a message naming it; what was written
// before stays, nothing after it is written, no partial or temporary file is left.
TEST_F(SaveSkinTest, ABitmapThatCannotBeWrittenStopsTheSave) {
    struct Row {
        const char* what;
        const char* blocked;
        bool asFolder;
        std::vector<std::string> left;
    };
    const Row rows[] = {
        {"read-only MAIN.BMP", "MAIN.BMP", false, {"MAIN.BMP"}},
        {"folder named MAIN.BMP", "MAIN.BMP", true, {"MAIN.BMP"}},
        {"folder named TITLEBAR.BMP",
         "TITLEBAR.BMP",
         true,
         {"BALANCE.BMP", "CBUTTONS.BMP", "EQMAIN.BMP", "EQ_EX.BMP", "MAIN.BMP", "MONOSTER.BMP", "POSBAR.BMP",
          "SHUFREP.BMP", "TITLEBAR.BMP"}},
    };
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        folder.messages.clear();
        const fs::path skin = folder.Root() / ("skin" + std::to_string(n++));
        fs::create_directory(skin);
        if (row.asFolder) {
            fs::create_directory(skin / row.blocked);
        } else {
            WriteFileBytes(skin / row.blocked, "earlier");
            fs::permissions(skin / row.blocked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        }
        EXPECT_EQ(Save(skin.string()), 0);
        ASSERT_EQ(folder.messages.size(), 1u);
        EXPECT_NE(folder.messages[0].find(row.blocked), std::string::npos) << "the message names the file";
        EXPECT_EQ(ListFolder(skin), row.left);
        if (!row.asFolder) {
            EXPECT_EQ(ReadFileBytes(skin / row.blocked), "earlier");
        }
        EXPECT_EQ(platform::GetWorkingDirectory(), startDirectory);
    }
}

TEST_F(SaveSkinTest, AMissingTemplateStopsTheSaveAtItsFile) {
    const TemplateSource withoutText = [](int id) {
        return id == kTplText ? TemplateBitmap{} : synthetic::PatternTemplate(id);
    };
    const std::string skin = folder.Path("skin");
    EXPECT_EQ(Save(skin, withoutText), 0);
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_NE(folder.messages[0].find("TEXT.BMP"), std::string::npos);
    EXPECT_FALSE(fs::exists(fs::path(skin) / "TEXT.BMP"));
    EXPECT_TRUE(fs::exists(fs::path(skin) / "VOLUME.BMP"));
    EXPECT_FALSE(fs::exists(fs::path(skin) / "VISCOLOR.TXT"));
    EXPECT_EQ(platform::GetWorkingDirectory(), startDirectory);
}

// The save goes on past a text file that cannot be written, and names it once it has ended.
TEST_F(SaveSkinTest, ATextFileThatCannotBeWrittenIsNamedAfterTheSave) {
    const fs::path skin = folder.Root() / "skin";
    fs::create_directories(skin / "PLEDIT.TXT");
    EXPECT_EQ(Save(skin.string()), 0);
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_NE(folder.messages[0].find("PLEDIT.TXT"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(skin / "PLEDIT.TXT"));
    for (const char* name : {"VISCOLOR.TXT", "SEXYFONT.TXT", "MARON.TXT", "MB.BMP"})
        EXPECT_TRUE(fs::is_regular_file(skin / name)) << name;
}

TEST_F(SaveSkinTest, SexyFontTxtIsTheSameWhateverTheSettings) {
    ASSERT_EQ(Save(folder.Path("a")), 1);
    settings.Color = Rgb(1, 2, 3);
    settings.Opacity = 7;
    settings.AnalyzerMode = 2;
    settings.FullSize = 0;
    fit116 = writertest::GradientPicture(20, 30);
    ASSERT_EQ(Save(folder.Path("b")), 1);
    const std::string a = ReadFileBytes(folder.Root() / "a" / "SEXYFONT.TXT");
    EXPECT_EQ(a.size(), ReadFileBytes(folder.Root() / "b" / "SEXYFONT.TXT").size());
    EXPECT_EQ(a, ReadFileBytes(folder.Root() / "b" / "SEXYFONT.TXT"));
    EXPECT_FALSE(a.empty());
}

}  // namespace
