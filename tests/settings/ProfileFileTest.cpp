// Profiles on disk: call-by-call access, batches, and saving that never leaves a broken file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "ScratchFolder.h"
#include "settings/Profile.h"
#include "settings/ProfileTarget.h"

namespace {

const std::string kAppState =
    "[MainWnd]\r\nLeft=10\r\nTop=20\r\n\r\n"
    "[Path]\r\nLoadPath=C:\\\x95\x5C\\\r\nProFilePath=C:\\\r\n"
    "; hand-written comment\r\n"
    "[SusiePlugin]\r\nFolder=C:\\spi\\\r\n";

TEST(ProfileFileTest, EachWriteReachesTheFile) {
    ScratchFolder folder("settings");
    const ProfileTarget target(folder.Path("app.INI"));
    EXPECT_EQ(target.ReadInt("MainWnd", "Left", -1), -1);
    EXPECT_EQ(target.ReadString("Path", "LoadPath", "dflt"), "dflt");

    EXPECT_TRUE(target.WriteInt("MainWnd", "Left", -20));
    EXPECT_TRUE(target.WriteString("Path", "LoadPath", "C:\\\x95\x5C\\"));
    EXPECT_TRUE(target.WriteInt("mainwnd", "TOP", 5));
    EXPECT_EQ(ReadFileBytes(target.Path()), "[MainWnd]\r\nLeft=-20\r\nTOP=5\r\n[Path]\r\nLoadPath=C:\\\x95\x5C\\\r\n");
    EXPECT_EQ(target.ReadInt("MAINWND", "left", 0), -20);
    EXPECT_EQ(target.ReadString("path", "loadpath", ""), "C:\\\x95\x5C\\");
}

TEST(ProfileFileTest, BatchSavesOnceAndOnlyWhenChanged) {
    ScratchFolder folder("settings");
    const std::string path = folder.Path("app.INI");
    WriteFileBytes(path, kAppState);
    ProfileBatch batch{ProfileTarget(path)};
    ASSERT_EQ(batch.LoadResult(), ProfileLoad::kRead);
    batch.Profile().WriteInt("MainWnd", "Left", 10);  // unchanged
    std::filesystem::remove(path);
    EXPECT_TRUE(batch.Commit());
    EXPECT_FALSE(std::filesystem::exists(path)) << "nothing changed, nothing saved";

    batch.Profile().WriteInt("MainWnd", "Left", 11);
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_TRUE(batch.Commit());
    std::string expected = kAppState;
    expected.replace(expected.find("Left=10"), 7, "Left=11");
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST(ProfileFileTest, SavingSettingsKeepsTheApplicationState) {
    ScratchFolder folder("settings");
    const std::string path = folder.Path("app.INI");
    WriteFileBytes(path, kAppState + "[MARON]\r\nOpacity=7\r\nExtra=x\r\n");
    SkinSettings s;
    s.Opacity = 60;
    ASSERT_TRUE(SaveSkinSettingsFile(path, s));
    const std::string saved = ReadFileBytes(path);
    EXPECT_EQ(saved.substr(0, kAppState.size()), kAppState);
    EXPECT_NE(saved.find("[MARON]\r\nOpacity=60\r\nExtra=x\r\nUse=1\r\n"), std::string::npos) << saved;
    SkinSettings loaded;
    ASSERT_TRUE(LoadSkinSettingsFile(path, loaded));
    EXPECT_EQ(loaded, s);
}

TEST(ProfileFileTest, MissingFileLoadsDefaults) {
    ScratchFolder folder("settings");
    SkinSettings s;
    s.FullSize = 0;
    EXPECT_TRUE(LoadSkinSettingsFile(folder.Path("none.INI"), s));
    EXPECT_EQ(s, SettingsDefaults);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("none.INI")));
}

TEST(ProfileFileTest, UnreadableProfileIsReportedAndKept) {
    ScratchFolder folder("settings");
    const std::string path = folder.Path("dir.INI");  // a folder stands in for a file that cannot be read
    std::filesystem::create_directory(path);
    SkinSettings s;
    s.FullSize = 0;
    EXPECT_FALSE(LoadSkinSettingsFile(path, s));
    EXPECT_EQ(s.FullSize, 0) << "a failed load changes nothing";
    EXPECT_FALSE(SaveSkinSettingsFile(path, SettingsDefaults));
    EXPECT_FALSE(ProfileTarget(path).WriteInt("MainWnd", "Left", 1));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(ProfileFileTest, SaveIntoAMissingFolderFails) {
    ScratchFolder folder("settings");
    const std::string missingFolder = folder.Path("missing/app.INI");
    EXPECT_FALSE(SaveSkinSettingsFile(missingFolder, SettingsDefaults));
    EXPECT_FALSE(ProfileTarget(missingFolder).WriteString("Path", "LoadPath", "x"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("missing")));
}

TEST(ProfileFileTest, FailedSaveLeavesTheOldFile) {
    // A read-only profile is refused whoever runs the test (root too), as Windows refuses it.
    ScratchFolder folder("settings");
    const std::string path = folder.Path("app.INI");
    WriteFileBytes(path, kAppState);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(SaveSkinSettingsFile(path, SettingsDefaults));
    EXPECT_FALSE(ProfileTarget(path).WriteInt("MainWnd", "Left", 99));
    EXPECT_EQ(ReadFileBytes(path), kAppState);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 1);
}

}  // namespace
