// Path splitting as the save command and the INI location use it, the choosers' filter lists and
// the DDE execute command, with code page 932 names whose trail bytes look like '\\' or '|'.
#include <gtest/gtest.h>

#include <string>

#include "shelltext/DdeCommand.h"
#include "shelltext/FilterList.h"
#include "shelltext/PathParts.h"

namespace {

// "ソフト" in code page 932: the first character's trail byte is 0x5C, a backslash.
const std::string kSoft = "\x83\x5C\x83\x74\x83\x67";
// "表" is 0x95 0x5C; "ポ" is 0x83 0x7C, a '|' trail byte.
const std::string kHyo = "\x95\x5C";
const std::string kPo = "\x83\x7C";

TEST(SplitPath, MatchesTheRunTimeSplitter) {
    struct Row {
        std::string path, drive, dir, name, ext;
    };
    const Row rows[] = {
        {"C:\\skins\\My Skin.abc", "C:", "\\skins\\", "My Skin", ".abc"},
        {"C:\\skins\\skin", "C:", "\\skins\\", "skin", ""},
        {"C:\\skins\\a.b.c", "C:", "\\skins\\", "a.b", ".c"},
        {"C:\\dotted.dir\\name", "C:", "\\dotted.dir\\", "name", ""},
        {"relative/file.bmp", "", "relative/", "file", ".bmp"},
        {"\\\\server\\share\\pic.BMP", "", "\\\\server\\share\\", "pic", ".BMP"},
        {"C:file.bmp", "C:", "", "file", ".bmp"},
        {"", "", "", "", ""},
        {"C:\\" + kSoft + "\\" + kHyo + ".bmp", "C:", "\\" + kSoft + "\\", kHyo, ".bmp"},
        {"C:\\pic\\" + kSoft, "C:", "\\pic\\", kSoft, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        const PathParts parts = SplitPath(row.path);
        EXPECT_EQ(parts.drive, row.drive);
        EXPECT_EQ(parts.dir, row.dir);
        EXPECT_EQ(parts.name, row.name);
        EXPECT_EQ(parts.ext, row.ext);
        EXPECT_EQ(parts.drive + parts.dir + parts.name + parts.ext, row.path);
    }
}

TEST(MakePath, AddsOnlyMissingSeparatorAndDot) {
    EXPECT_EQ(MakePath("C:", "\\app\\", "TOLVARIN", "INI"), "C:\\app\\TOLVARIN.INI");
    EXPECT_EQ(MakePath("C:", "\\app", "TOLVARIN", ".INI"), "C:\\app\\TOLVARIN.INI");
    EXPECT_EQ(MakePath("C:", "\\app\\", "", ""), "C:\\app\\");
    // A folder ending in "ソ" ends in a 0x5C byte that is no separator.
    EXPECT_EQ(MakePath("C:", "\\\x83\x5C", "x", ""), "C:\\\x83\x5C\\x");
    EXPECT_EQ(FolderOf("D:\\" + kSoft + "\\pic.bmp"), "D:\\" + kSoft + "\\");
}

TEST(MakeFilterList, EndsWithTwoZerosAndKeepsTrailBytes) {
    using namespace std::string_literals;
    struct Row {
        std::string filter, list;
    };
    const Row rows[] = {
        {"A|*.BMP|B|*.*", "A\0*.BMP\0B\0*.*\0"s},
        {"A|*.BMP|", "A\0*.BMP\0"s},
        {kPo + "|*.SPI", kPo + "\0*.SPI\0"s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.filter);
        const std::string list = MakeFilterList(row.filter);
        EXPECT_EQ(list, row.list);
        // The string's own terminator is the second zero.
        EXPECT_EQ(list.c_str()[list.size()], '\0');
    }
}

TEST(DdeCommand, RoundTripsAndRefusesTooShortCommands) {
    const std::string paths[] = {"C:\\some path\\pic.bmp", "C:\\" + kSoft + "\\" + kHyo + " 1.bmp", "x"};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const std::string command = MakeDdeCommand(path);
        EXPECT_EQ(command, "\"" + path + "\" ");
        std::string extracted;
        ASSERT_TRUE(ExtractDdePath(command, extracted));
        EXPECT_EQ(extracted, path);
    }
    for (const char* shortCommand : {"", "\"", "\" "}) {
        SCOPED_TRACE(shortCommand);
        std::string extracted = "unchanged";
        EXPECT_FALSE(ExtractDdePath(shortCommand, extracted));
        EXPECT_EQ(extracted, "unchanged");
    }
    std::string empty;
    EXPECT_TRUE(ExtractDdePath("\"\" ", empty));
    EXPECT_EQ(empty, "");
    EXPECT_EQ(MakeDdeCommand(""), "");
}

}  // namespace
