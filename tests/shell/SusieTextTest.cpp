// The image plug-in host's text work: folder lists, search patterns, extension matching, the open
// dialog's filter and the loading messages, against the documented examples.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "gen/susie_expected.h"
#include "shelltext/FolderText.h"
#include "shelltext/SusieText.h"

namespace {

using Entries = std::vector<std::string>;

TEST(SplitAtSemicolons, EmptyEntriesButNoTrailingOne) {
    const struct {
        std::string text;
        Entries entries;
    } rows[] = {
        {"", {}},
        {"C:\\a", {"C:\\a"}},
        {"C:\\a;D:\\b", {"C:\\a", "D:\\b"}},
        {"C:\\a;", {"C:\\a"}},
        {"C:\\a;;D:\\b", {"C:\\a", "", "D:\\b"}},
        {";C:\\a", {"", "C:\\a"}},
        {";", {""}},
        {"*.jpg;*.jpeg", {"*.jpg", "*.jpeg"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(SplitAtSemicolons(row.text), row.entries);
    }
}

TEST(MakePluginSearch, FolderOrPatternBySplitPathRules) {
    const struct {
        std::string entry, base, extension, pattern;
    } rows[] = {
        {"C:\\plugins", "C:\\plugins\\", ".SPI", "C:\\plugins\\*.SPI"},
        {"C:\\plugins\\", "C:\\plugins\\\\", ".SPI", "C:\\plugins\\\\*.SPI"},
        {"", "\\", ".SPI", "\\*.SPI"},
        {"C:\\plugins\\*.IFX", "C:\\plugins\\", ".IFX", "C:\\plugins\\*.IFX"},
        {"C:\\plugins\\*.ifx", "C:\\plugins\\", ".IFX", "C:\\plugins\\*.IFX"},
        {"C:\\Susie.32", "C:\\", ".32", "C:\\*.32"},
        {"C:\\a.b\\plugins", "C:\\a.b\\plugins\\", ".SPI", "C:\\a.b\\plugins\\*.SPI"},
        // "ソ" ends in a 0x5C byte: no separator, and "ｓ"-like trail bytes are not upper-cased.
        {"C:\\\x83\x5C", "C:\\\x83\x5C\\", ".SPI", "C:\\\x83\x5C\\*.SPI"},
        {"C:\\x.\x82\x73", "C:\\", ".\x82\x73", "C:\\*.\x82\x73"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.entry);
        const PluginSearch search = MakePluginSearch(row.entry);
        EXPECT_EQ(search.base, row.base);
        EXPECT_EQ(search.extension, row.extension);
        EXPECT_EQ(search.pattern, row.pattern);
    }
}

// The host's two extension matches: a found plug-in's name against the wanted extension (exact,
// upper case), and a plug-in's claimed list against a file's extension (any item, ignoring case).
TEST(SusieExtensions, PluginNamesAndClaimedLists) {
    using Match = bool (*)(std::string_view, std::string_view);
    const Match name = IsWantedPluginName, list = ListClaimsExtension;
    const struct {
        Match match;
        std::string given, wanted;
        bool expected;
    } rows[] = {
        {name, "ifjpeg.spi", ".SPI", true},
        {name, "IFPNG.SPI", ".SPI", true},
        {name, "ifx.spix", ".SPI", false},
        {name, "spi", ".SPI", false},
        {name, "a.ifx", ".IFX", true},
        {name, "a.spi.bak", ".SPI", false},
        {list, "*.jpg;*.jpeg", ".JPG", true},
        {list, "*.jpg;*.jpeg", ".jpeg", true},
        {list, "*.jpg;*.jpeg", ".jpe", false},
        {list, "*.JPG", ".jpg", true},
        {list, "*.jpg", "", false},
        {list, "*", "", true},
        {list, "*.tar.gz", ".gz", true},
        {list, "", ".jpg", false},
        {list, "*.jpg;;*.png", ".png", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.given + " / " + row.wanted);
        EXPECT_EQ(row.match(row.given, row.wanted), row.expected);
    }
}

TEST(AssembleOpenFilter, DocumentedExamples) {
    const struct {
        std::vector<FilterFormat> formats;
        std::string filter, supported;
    } rows[] = {
        {{{"JPEG file", "*.jpg;*.jpeg"}}, kExpectedOneJpeg, "*.jpg;*.jpeg;"},
        {{}, kExpectedNone, ""},
        {{{"PNG", "*.png"}, {"GIF", "*.gif"}}, kExpectedTwo, "*.png;*.gif;"},
    };
    for (const auto& row : rows) {
        std::string supported = "stale";
        EXPECT_EQ(AssembleOpenFilter(row.formats, supported), row.filter);
        EXPECT_EQ(supported, row.supported);
    }
}

TEST(LoadingMessages, NameThePathOrEntry) {
    EXPECT_EQ(PluginLoadFailedText("C:\\p\\a.spi"), std::string("C:\\p\\a.spi\n\n") + kExpectedLoadFailedTail);
    EXPECT_EQ(FolderNotFoundText("C:\\none"), std::string(kExpectedFolderHead) + "C:\\none)\n" + kExpectedFolderTail);
}

// The plug-in settings dialog's trailing backslash: "ソ" (0x83 0x5C) ends in a byte that is none.
TEST(FolderText, TrailingBackslashOfWholeCharacters) {
    const struct {
        std::string folder, without, with;
    } rows[] = {
        {"C:\\plugins\\", "C:\\plugins", "C:\\plugins\\"},
        {"C:\\plugins", "C:\\plugins", "C:\\plugins\\"},
        {"C:\\", "C:", "C:\\"},
        {"C:\\a\\\\", "C:\\a\\", "C:\\a\\\\"},
        {"C:\\\x83\x5C", "C:\\\x83\x5C", "C:\\\x83\x5C\\"},
        {"", "", "\\"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder);
        EXPECT_EQ(WithoutTrailingBackslash(row.folder), row.without);
        EXPECT_EQ(WithTrailingBackslash(row.folder), row.with);
    }
}

}  // namespace
