// Runs the built `tolvarin` as a user would, in a scratch folder, and checks its exit status, its
// messages and the files it leaves. What it writes is compared with the core called directly, so
// the command line is held to doing exactly what the Windows program's commands do.
#include <sys/stat.h>
#include <sys/wait.h>
#include <zip.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ScratchFolder.h"
#include "TestPng.h"
#include "compose/Compose.h"
#include "compose/PreviewImage.h"
#include "compose/SkinCanvases.h"
#include "picture/BmpReader.h"
#include "picture/OpenPicture.h"
#include "settings/Profile.h"
#include "writer/BitmapFile.h"
#include "writer/SaveSkin.h"

namespace {

namespace fs = std::filesystem;

using FileSet = std::set<std::string>;

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Every name in a folder (files and folders), to tell what a command created.
FileSet NamesIn(const fs::path& folder) {
    FileSet names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

FileSet FilesIn(const fs::path& folder) {
    FileSet names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file())
            names.insert(entry.path().filename().string());
    }
    return names;
}

const FileSet kEveryFile = {
    "BALANCE.BMP",  "CBUTTONS.BMP", "EQMAIN.BMP",   "EQ_EX.BMP",    "MAIN.BMP",   "MARON.TXT",  "MB.BMP",
    "MONOSTER.BMP", "NUMS_EX.BMP",  "PLAYPAUS.BMP", "PLEDIT.BMP",   "PLEDIT.TXT", "POSBAR.BMP", "SEXYFONT.TXT",
    "SHUFREP.BMP",  "TEXT.BMP",     "TITLEBAR.BMP", "VISCOLOR.TXT", "VOLUME.BMP",
};

FileSet Without(FileSet set, const FileSet& removed) {
    for (const std::string& name : removed)
        set.erase(name);
    return set;
}

class RunCli : public testing::Test {
  protected:
    void SetUp() override { fs::create_directories(work_); }

    // Runs the program in the scratch folder; its output goes to files beside that folder.
    RunResult Run(const std::vector<std::string>& args,
                  const std::string& environment = "",
                  const std::string& input = "/dev/null") const {
        // Appended piece by piece: gcc 12 misreads `"literal" + std::string&&` at -O2 (-Wrestrict).
        std::string command = "cd ";
        for (const std::string& piece : {ShellQuoted(work_.string()), std::string(" && "), environment,
                                         std::string(" "), ShellQuoted(TOLVARIN_CLI)})
            command += piece;
        for (const std::string& arg : args) {
            command += ' ';
            command += ShellQuoted(arg);
        }
        command += " >";
        command += ShellQuoted((dir_ / "stdout").string());
        command += " 2>";
        command += ShellQuoted((dir_ / "stderr").string());
        command += " <";
        command += ShellQuoted(input);
        const int status = std::system(command.c_str());
        RunResult result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = ReadFileBytes(dir_ / "stdout");
        result.err = ReadFileBytes(dir_ / "stderr");
        return result;
    }

    // A profile in the scratch folder holding `settings`, written by the profile writer.
    std::string Profile(const std::string& name, const SkinSettings& settings) const {
        EXPECT_TRUE(SaveSkinSettingsFile((work_ / name).string(), settings));
        return name;
    }

    ScratchFolder scratch_{"cli"};
    const fs::path dir_ = scratch_.Root();
    fs::path work_ = dir_ / "run";  // a test may run the program elsewhere
};

TEST_F(RunCli, BadUsageExitsTwoWithAMessageAndTouchesNothing) {
    struct Row {
        std::vector<std::string> args;
        std::string message;
    };
    const Row rows[] = {
        {{}, "no command given"},
        {{"bake", "a.bmp"}, "unknown command: bake"},
        {{"--frobnicate"}, "unknown option: --frobnicate"},
        {{"make", "a.bmp"}, "missing file name: make"},
        {{"make", "a.bmp", "Skin", "extra"}, "too many file names: extra"},
        {{"make", "a.bmp", "Skin", "--settings"}, "option needs a file name: --settings"},
        {{"settings", "out.ini", "--wsz"}, "option is only for the make command: --wsz"},
        {{"preview", "a.bmp"}, "missing file name: preview"},
        {{"make", "a.bmp", "Skin", "--set", "Opacity=101"},
         "bad value for a setting: MARON.Opacity=101 (a whole number from 0 to 100)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args));
        const RunResult result = Run(row.args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("tolvarin: " + row.message + "\n", 0), 0u) << result.err;
        EXPECT_NE(result.err.find("--help"), std::string::npos);
        EXPECT_TRUE(NamesIn(work_).empty());
    }
}

TEST_F(RunCli, HelpAndVersionGoToStandardOutput) {
    const RunResult help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("make PICTURE SKIN_FOLDER [--settings PROFILE.INI] [--set KEY=VALUE]... [--wsz]"),
              std::string::npos);
    EXPECT_EQ(help.err, "");
    const RunResult version = Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "tolvarin 2.0\n");
}

TEST_F(RunCli, UnreadableInputsFailNamingTheFileAndCreateNothing) {
    WriteFileBytes(work_ / "notes.bmp", "these are notes, not a picture\n");
    WriteFileBytes(work_ / "short.bmp", ReadFileBytes(TOLVARIN_SAMPLE).substr(0, 60));
    fs::create_directory(work_ / "folder.bmp");
    WriteFileBytes(work_ / "taken", "a file where the skin folder would go");
    WriteFileBytes(work_ / "sample.bmp", ReadFileBytes(TOLVARIN_SAMPLE));
    const FileSet before = NamesIn(work_);

    struct Row {
        std::vector<std::string> args;
        std::string named;  // the file the message must name
    };
    const Row rows[] = {
        {{"make", "missing.bmp", "deep/er/Skin"}, "\"missing.bmp\""},
        {{"make", "notes.bmp", "deep/er/Skin"}, "\"notes.bmp\""},
        {{"make", "short.bmp", "deep/er/Skin", "--wsz"}, "\"short.bmp\""},
        {{"make", "folder.bmp", "Skin"}, "\"folder.bmp\""},
        {{"make", "sample.bmp", "deep/Skin", "--settings", "nosuch.ini"}, "\"nosuch.ini\""},
        {{"make", "sample.bmp", "deep/Skin", "--settings", "folder.bmp"}, "\"folder.bmp\""},
        {{"make", "sample.bmp", "taken/Skin"}, "\"taken/Skin\""},
        {{"preview", "notes.bmp", "preview.bmp"}, "\"notes.bmp\""},
        {{"preview", "sample.bmp", "no/such/folder/preview.bmp"}, "\"no/such/folder/preview.bmp\""},
        {{"settings", "out.ini", "--settings", "nosuch.ini"}, "\"nosuch.ini\""},
        {{"settings", "no/such/folder/out.ini"}, "\"no/such/folder/out.ini\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args));
        const RunResult result = Run(row.args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(row.named), std::string::npos) << result.err;
        EXPECT_EQ(NamesIn(work_), before);
    }
}

TEST_F(RunCli, SettingsWritesWhatTheProfileWriterWrites) {
    SkinSettings changed = SettingsDefaults;
    changed.FullSize = 0;
    changed.Opacity = 80;
    changed.VisColor[3] = Rgb(1, 2, 3);
    const std::string profile = Profile("changed.ini", changed);

    struct Row {
        const char* name;
        std::vector<std::string> args;
        std::function<SkinSettings()> expected;
    };
    const Row rows[] = {
        {"defaults", {"settings", "out.ini"}, [] { return SettingsDefaults; }},
        {"profile",
         {"settings", "out.ini", "--settings", profile},
         [&] {
             SkinSettings loaded;
             EXPECT_TRUE(LoadSkinSettingsFile((work_ / profile).string(), loaded));
             return loaded;
         }},
        {"profile with changes",
         {"settings", "out.ini", "--settings", profile, "--set", "FullSize=1", "--set", "sexyfont.use=0", "--set",
          "VisColorG03=200", "--set", "Opacity=0"},
         [&] {
             SkinSettings expected = changed;
             expected.FullSize = 1;
             expected.SexyFontUse = 0;
             expected.VisColor[3] = Rgb(1, 200, 3);
             expected.Opacity = 0;
             return expected;
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(work_ / "out.ini");
        const RunResult result = Run(row.args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const fs::path expected = dir_ / "expected.ini";
        fs::remove(expected);
        ASSERT_TRUE(SaveSkinSettingsFile(expected.string(), row.expected()));
        EXPECT_EQ(ReadFileBytes(work_ / "out.ini"), ReadFileBytes(expected));
    }
}

TEST_F(RunCli, MakeWritesTheFilesTheSaveCommandWrites) {
    struct Row {
        const char* name;
        std::function<void(SkinSettings&)> change;
        FileSet files;
        std::vector<std::string> options;  // --set options instead of a profile
    };
    const Row rows[] = {
        {"defaults", [](SkinSettings&) {}, kEveryFile, {}},
        {"main window only",
         [](SkinSettings& s) { s.FullSize = 0; },
         Without(kEveryFile, {"EQMAIN.BMP", "EQ_EX.BMP"}),
         {}},
        {"no playlist nor browser",
         [](SkinSettings& s) { s.PLSave = s.MBSave = 0; },
         Without(kEveryFile, {"PLEDIT.BMP", "MB.BMP", "PLEDIT.TXT"}),
         {}},
        {"browser only", [](SkinSettings& s) { s.PLSave = 0; }, Without(kEveryFile, {"PLEDIT.BMP"}), {}},
        {"no plug-in files",
         [](SkinSettings& s) { s.SexyFontUse = s.MaronUse = 0; },
         Without(kEveryFile, {"SEXYFONT.TXT", "MARON.TXT"}),
         {"--set", "MARON.Use=0", "--set", "SexyFont.Use=0"}},
        {"reversed, no frame, opaque",
         [](SkinSettings& s) {
             s.SkinReverse = 0;
             s.SkinLine = 0;
             s.SkinAlphaBrend = 10;
             s.SideColor = Rgb(10, 200, 30);
         },
         kEveryFile,
         {}},
    };
    DibBuffer fit232, fit116;
    ASSERT_EQ(OpenAndFitPicture(TOLVARIN_SAMPLE, fit232, fit116), 1);
    int index = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SkinSettings settings = SettingsDefaults;
        row.change(settings);
        const std::string folder = "skins/" + std::to_string(index++);
        std::vector<std::string> args = {"make", TOLVARIN_SAMPLE, folder};
        if (!row.options.empty())
            args.insert(args.end(), row.options.begin(), row.options.end());
        else if (std::string(row.name) != "defaults")
            args.insert(args.end(), {"--settings", Profile("p.ini", settings)});
        const RunResult result = Run(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(FilesIn(work_ / folder), row.files);

        const fs::path expected = dir_ / ("expected-" + folder.substr(6));
        ASSERT_EQ(SaveSkinFolder(expected.string(), settings, fit232, fit116), 1);
        ASSERT_EQ(FilesIn(expected), row.files);
        for (const std::string& name : row.files) {
            SCOPED_TRACE(name);
            EXPECT_TRUE(ReadFileBytes(work_ / folder / name) == ReadFileBytes(expected / name));
        }
    }
}

// The names and contents of an archive's entries.
std::vector<std::pair<std::string, std::string>> ReadArchive(const fs::path& path) {
    std::vector<std::pair<std::string, std::string>> entries;
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!zip) {
        ADD_FAILURE() << "cannot open " << path << ": error " << error;
        return entries;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, i, 0, &stat);
        std::string content(stat.size, '\0');
        zip_file_t* file = zip_fopen_index(zip, i, 0);
        EXPECT_EQ(zip_fread(file, content.data(), stat.size), static_cast<zip_int64_t>(stat.size));
        zip_fclose(file);
        entries.emplace_back(stat.name, content);
    }
    zip_close(zip);
    return entries;
}

// The archive holds the files this make wrote and nothing else the folder holds: not a file of an
// earlier skin (named in a warning instead), not a link's target, not an archive.
TEST_F(RunCli, WszHoldsExactlyTheFilesOfThisMake) {
    ASSERT_EQ(Run({"make", TOLVARIN_SAMPLE, "skins/Sample/", "--wsz"}).exitCode, 0);
    fs::create_symlink("/etc/passwd", work_ / "skins" / "Sample" / "link.txt");
    fs::copy_file(work_ / "skins" / "Sample.wsz", work_ / "skins" / "Sample" / "old.wsz");
    const std::vector<std::string> runs[] = {
        {"make", TOLVARIN_SAMPLE, "skins/Sample", "--wsz", "--set", "FullSize=0", "--set", "MARON.Use=0"},
        {"make", TOLVARIN_SAMPLE, ".", "--wsz", "--set", "FullSize=0", "--set", "MARON.Use=0"},
    };
    for (const auto& args : runs) {
        SCOPED_TRACE(testing::PrintToString(args));
        const RunResult result = Run(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_NE(result.err.find("still holds EQMAIN.BMP, EQ_EX.BMP, MARON.TXT from an earlier skin"),
                  std::string::npos)
            << result.err;
        work_ = dir_ / "run" / "skins" / "Sample";  // the second run names the folder it runs in
    }
    EXPECT_EQ(FilesIn(work_.parent_path()), FileSet{"Sample.wsz"});
    FileSet names;
    for (const auto& [name, content] : ReadArchive(work_.parent_path() / "Sample.wsz")) {
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_TRUE(content == ReadFileBytes(work_ / name)) << name;
    }
    EXPECT_EQ(names, Without(kEveryFile, {"EQMAIN.BMP", "EQ_EX.BMP", "MARON.TXT"}));
}

// A file of the skin that cannot be replaced fails the make naming it, before any file is
// replaced: the folder and the archive are as they were, and no temporary file is left.
TEST_F(RunCli, MakeThatCannotReplaceAFileChangesNothing) {
    const struct {
        const char* blocked;
        bool asFolder;
        std::string message;
    } rows[] = {
        {"Sample/VOLUME.BMP", false, "\"skins/Sample/VOLUME.BMP\": the file is read-only"},
        {"Sample/VISCOLOR.TXT", false, "\"skins/Sample/VISCOLOR.TXT\": the file is read-only"},
        {"Sample/TITLEBAR.BMP", true, "\"skins/Sample/TITLEBAR.BMP\": it is a folder"},
        {"Sample.wsz", false, "\"skins/Sample.wsz\": the file is read-only"},
        {"Sample.wsz", true, "\"skins/Sample.wsz\": it is a folder"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.blocked);
        fs::remove_all(work_ / "skins");
        ASSERT_EQ(Run({"make", TOLVARIN_SAMPLE, "skins/Sample", "--wsz", "--set", "Opacity=10"}).exitCode, 0);
        const fs::path blocked = work_ / "skins" / row.blocked;
        fs::remove(blocked);
        if (row.asFolder)
            fs::create_directory(blocked);
        else
            WriteFileBytes(blocked, "earlier");
        fs::permissions(blocked, fs::perms::owner_read | fs::perms::owner_exec);
        std::map<std::string, std::string> before;
        for (const std::string& name : FilesIn(work_ / "skins" / "Sample"))
            before[name] = ReadFileBytes(work_ / "skins" / "Sample" / name);
        const RunResult result = Run({"make", TOLVARIN_SAMPLE, "skins/Sample", "--wsz"});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
        std::map<std::string, std::string> after;
        for (const std::string& name : FilesIn(work_ / "skins" / "Sample"))
            after[name] = ReadFileBytes(work_ / "skins" / "Sample" / name);
        EXPECT_TRUE(after == before);
        EXPECT_EQ(NamesIn(work_ / "skins"), (FileSet{"Sample", "Sample.wsz"}));
        fs::permissions(blocked, fs::perms::owner_all);
    }
}

TEST_F(RunCli, PreviewIsThePanelPictureAsA24BitFile) {
    struct Row {
        const char* name;
        std::function<void(SkinSettings&)> change;
    };
    const Row rows[] = {
        {"defaults", [](SkinSettings&) {}},
        {"main window only, no playlist", [](SkinSettings& s) { s.FullSize = s.PLSave = 0; }},
    };
    DibBuffer fit232, fit116;
    ASSERT_EQ(OpenAndFitPicture(TOLVARIN_SAMPLE, fit232, fit116), 1);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SkinSettings settings = SettingsDefaults;
        row.change(settings);
        const RunResult result =
            Run({"preview", TOLVARIN_SAMPLE, "preview.bmp", "--settings", Profile("p.ini", settings)});
        ASSERT_EQ(result.exitCode, 0) << result.err;

        SkinCanvases canvases;
        ASSERT_EQ(canvases.Allocate(), 1);
        BuildTemplates(settings, canvases);
        ComposeSkin(settings, fit232, fit116, canvases);
        DibBuffer preview;
        ASSERT_EQ(ComposePreviewImage(settings, canvases, true, preview), 1);
        BitmapImage expected;
        ASSERT_EQ(EncodeBitmap24(preview, expected), 1);
        ASSERT_EQ(expected.Width(), 550);
        ASSERT_EQ(expected.Height(), 232);
        EXPECT_TRUE(ReadFileBytes(work_ / "preview.bmp") ==
                    std::string(reinterpret_cast<const char*>(expected.Data()), expected.Size()));
    }
}

TEST_F(RunCli, RefusedPicturesSayWhy) {
    std::string compressed = ReadFileBytes(TOLVARIN_SAMPLE);
    compressed[30] = 1;
    const std::vector<uint8_t> huge = MakePng(50000, 50000, 8, 2, {});
    const std::string jpeg = ReadFileBytes(TOLVARIN_FUZZ_CORPUS "/image/baseline.jpg");
    std::string twelveBits = jpeg;
    twelveBits[twelveBits.find("\xFF\xC0") + 4] = 12;  // the frame's sample precision
    const struct {
        const char* file;
        std::string content;
        std::string why;
    } rows[] = {
        {"notes.png", "these are notes, not a picture\n", "not a picture this program reads"},
        {"short.bmp", ReadFileBytes(TOLVARIN_SAMPLE).substr(0, 60),
         "truncated bitmap: the file ends before its headers"},
        {"rle.bmp", compressed, "a bitmap this program does not read: RLE8 takes 8 bits per pixel and bottom-up rows"},
        {"deep.psd", ReadFileBytes(TOLVARIN_FUZZ_CORPUS "/image/deep16-rle.psd"),
         "a PSD picture this program does not read: 16 bits a channel with RLE compression"},
        {"photo.webp", std::string("RIFF\x10\0\0\0WEBPVP8 ", 16), "looks like a WebP picture"},
        {"huge.png", std::string(huge.begin(), huge.end()),
         "PNG picture of 50000 x 50000 pixels, more than the 268435456 pixels this program reads"},
        {"cut.jpg", jpeg.substr(0, jpeg.size() - 10), "truncated JPEG picture"},
        {"deep.jpg", twelveBits,
         "a JPEG picture this program does not read: Unsupported JPEG data precision 12"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        WriteFileBytes(work_ / row.file, row.content);
        const RunResult result = Run({"make", row.file, "Skin"});
        EXPECT_EQ(result.exitCode, 1);
        std::string named = "\"";  // appended piece by piece, for gcc 12's -Wrestrict
        for (const std::string& piece : {std::string(row.file), std::string("\": "), row.why})
            named += piece;
        EXPECT_NE(result.err.find(named), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(work_ / "Skin"));
    }
}

// Files that are not pictures or profiles at all, or stop being one while read: exit 1 with the
// real reason, never a signal, a hang or an unbounded read.
TEST_F(RunCli, OddInputsAreRefusedWithTheirReason) {
    ASSERT_EQ(::mkfifo((work_ / "fifo").c_str(), 0666), 0);
    fs::create_symlink("loop", work_ / "loop");
    WriteFileBytes(work_ / "file", "not a folder");
    WriteFileBytes(work_ / "huge.ppm", "P6\n99999999999999999999 10\n255\n");
    ASSERT_EQ(Run({"make", TOLVARIN_SAMPLE, "ro"}).exitCode, 0);
    fs::permissions(work_ / "ro" / "MAIN.BMP", fs::perms::owner_read);
    // A sparse 8000 x 8000 bitmap, cut short 10 ms after the read starts.
    const uint32_t rowBytes = 24000, side = 8000;
    std::string header = ReadFileBytes(TOLVARIN_SAMPLE).substr(0, 54);
    for (const auto& [at, value] :
         {std::pair{2u, 54 + rowBytes * side}, {18u, side}, {22u, side}, {34u, rowBytes * side}})
        std::memcpy(&header[at], &value, 4);
    WriteFileBytes(work_ / "big.bmp", header);
    fs::resize_file(work_ / "big.bmp", 54 + uint64_t(rowBytes) * side);
    const auto shrink = [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        fs::resize_file(work_ / "big.bmp", 100000);
    };
    const struct {
        std::vector<std::string> args;
        std::string message;
        std::function<void()> during = nullptr;
        std::string environment = "";
    } rows[] = {
        {{"make", "fifo", "Skin"}, "cannot read the picture \"fifo\": it is a pipe (FIFO), not a regular file"},
        {{"make", TOLVARIN_SAMPLE, "Skin", "--settings", "/dev/zero"}, "\"/dev/zero\": it is a device"},
        {{"settings", "out.ini", "--settings", "fifo"}, "profile \"fifo\": it is a pipe (FIFO)"},
        {{"settings", "fifo"}, "cannot write the settings profile \"fifo\": it is a pipe (FIFO)"},
        {{"make", "loop", "Skin"}, "cannot read the picture \"loop\": Too many levels of symbolic links"},
        {{"make", TOLVARIN_SAMPLE, "file/Skin"}, "cannot create the skin folder \"file/Skin\": Not a directory"},
        {{"make", "huge.ppm", "Skin"}, "PNM picture of 99999999999999999999 x 10 pixels, more than"},
        {{"make", "big.bmp", "Skin"}, "cannot read the picture \"big.bmp\": truncated", shrink},
        {{"make", TOLVARIN_SAMPLE, "ro"}, "cannot write \"ro/MAIN.BMP\": the file is read-only", {}, "LC_ALL=C"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args));
        std::thread during([&] {
            if (row.during)
                row.during();
        });
        const RunResult result = Run(row.args, row.environment);
        during.join();
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
        EXPECT_TRUE(std::all_of(result.err.begin(), result.err.end(), [](char c) { return c > 0 && c < 0x7F; }));
        EXPECT_FALSE(fs::exists(work_ / "Skin"));
    }
}

// The bitmaps common tools write that the built-in reader refuses, and "-" for standard input and
// output: each gives the bytes its plain counterpart gives.
TEST_F(RunCli, OddBitmapsAndStandardStreamsGiveWhatTheirPlainFormGives) {
    const std::string seeds = TOLVARIN_FUZZ_CORPUS "/bmp/g-";
    const struct {
        std::vector<std::string> args, plainArgs;
        std::string output = "odd.bmp", plainOutput = "plain.bmp", input = "/dev/null";
    } rows[] = {
        {{"preview", seeds + "pal8rle.bmp", "odd.bmp"}, {"preview", seeds + "pal8.bmp", "plain.bmp"}},
        {{"preview", seeds + "pal8os2.bmp", "odd.bmp"}, {"preview", seeds + "pal8.bmp", "plain.bmp"}},
        {{"preview", seeds + "pal8v5.bmp", "odd.bmp"}, {"preview", seeds + "pal8.bmp", "plain.bmp"}},
        {{"preview", seeds + "pal8topdown.bmp", "odd.bmp"}, {"preview", seeds + "pal8.bmp", "plain.bmp"}},
        {{"preview", seeds + "pal4rle.bmp", "odd.bmp"}, {"preview", seeds + "pal4.bmp", "plain.bmp"}},
        {{"preview", seeds + "rgb32bf.bmp", "odd.bmp"}, {"preview", seeds + "rgb24.bmp", "plain.bmp"}},
        {{"preview", TOLVARIN_SAMPLE, "-"}, {"preview", TOLVARIN_SAMPLE, "plain.bmp"}, "stdout"},
        {{"settings", "-", "--set", "Opacity=5"},
         {"settings", "plain.ini", "--set", "Opacity=5"},
         "stdout",
         "plain.ini"},
        {{"make", "-", "odd"}, {"make", TOLVARIN_SAMPLE, "plain"}, "odd/MAIN.BMP", "plain/MAIN.BMP", TOLVARIN_SAMPLE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args));
        const RunResult odd = Run(row.args, "", row.input);
        ASSERT_EQ(odd.exitCode, 0) << odd.err;
        ASSERT_EQ(Run(row.plainArgs).exitCode, 0);
        const std::string output = row.output == "stdout" ? odd.out : ReadFileBytes(work_ / row.output);
        EXPECT_FALSE(output.empty());
        EXPECT_TRUE(output == ReadFileBytes(work_ / row.plainOutput));
        EXPECT_FALSE(fs::exists(work_ / "-"));
    }
}

// A PNG makes the skin of the bitmap of its pixels; a JPEG the skin of libjpeg-turbo's own whole
// decode of it (djpeg), so skipping the rows the fit does not read changed no pixel.
TEST_F(RunCli, PngAndJpegMakeTheSkinsOfTheBitmapsOfTheirPixels) {
    DibBuffer picture;
    ASSERT_EQ(ReadBmpFile(TOLVARIN_SAMPLE, picture), 1);
    std::vector<uint8_t> rows;  // top-down red, green, blue from the bottom-up blue, green, red, spare
    for (int32_t y = picture.Height() - 1; y >= 0; --y) {
        const uint8_t* row = picture.Pixels() + static_cast<size_t>(y) * picture.RowBytes();
        for (int32_t x = 0; x < picture.Width(); ++x)
            rows.insert(rows.end(), {row[4 * x + 2], row[4 * x + 1], row[4 * x]});
    }
    const std::vector<uint8_t> png = MakePng(picture.Width(), picture.Height(), 8, 2, rows);
    WriteFileBytes(work_ / "sample.png", std::string(png.begin(), png.end()));
    std::vector<std::pair<std::string, std::string>> pairs = {{"sample.png", TOLVARIN_SAMPLE}};
    for (const char* jpeg :
         {TOLVARIN_FUZZ_CORPUS "/image/baseline.jpg", TOLVARIN_FUZZ_CORPUS "/image/progressive.jpg",
          TOLVARIN_FUZZ_CORPUS "/jpeg/arithmetic.jpg", TOLVARIN_FUZZ_CORPUS "/jpeg/baseline-422.jpg",
          TOLVARIN_FUZZ_CORPUS "/jpeg/restarts.jpg", TOLVARIN_TEST_PICTURES "/tall-420.jpg",
          TOLVARIN_TEST_PICTURES "/tall-444-progressive.jpg", TOLVARIN_TEST_PICTURES "/tall-grey.jpg"}) {
        const std::string source = jpeg;
        const std::string bitmap = (work_ / fs::path(jpeg).filename()).string() + ".bmp";
        std::string command = "djpeg -bmp -outfile ";
        for (const std::string& piece : {ShellQuoted(bitmap), std::string(" "), ShellQuoted(source)})
            command += piece;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        pairs.emplace_back(source, bitmap);
    }
    for (const auto& [source, bitmap] : pairs) {
        SCOPED_TRACE(source);
        fs::remove_all(work_ / "FromPicture");
        fs::remove_all(work_ / "FromBitmap");
        ASSERT_EQ(Run({"make", source, "FromPicture"}).exitCode, 0);
        ASSERT_EQ(Run({"make", bitmap, "FromBitmap"}).exitCode, 0);
        ASSERT_EQ(FilesIn(work_ / "FromPicture"), kEveryFile);
        for (const std::string& name : kEveryFile) {
            SCOPED_TRACE(name);
            EXPECT_TRUE(ReadFileBytes(work_ / "FromPicture" / name) == ReadFileBytes(work_ / "FromBitmap" / name));
        }
    }
}

}  // namespace
