// The image plug-in host's text work: folder lists, search patterns, extension matching, the open
// dialog's filter and the loading messages, against the documented examples.
#include <gtest/gtest.h>

#include <string>
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

TEST(IsWantedPluginName, ExactUpperCaseExtension) {
    const struct {
        const char* name;
        const char* wanted;
        bool expected;
    } rows[] = {
        {"ifjpeg.spi", ".SPI", true}, {"IFPNG.SPI", ".SPI", true}, {"ifx.spix", ".SPI", false},
        {"spi", ".SPI", false},       {"a.ifx", ".IFX", true},     {"a.spi.bak", ".SPI", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsWantedPluginName(row.name, row.wanted), row.expected);
    }
}

TEST(ListClaimsExtension, AnyItemIgnoringCase) {
    const struct {
        const char* list;
        const char* extension;
        bool expected;
    } rows[] = {
        {"*.jpg;*.jpeg", ".JPG", true},
        {"*.jpg;*.jpeg", ".jpeg", true},
        {"*.jpg;*.jpeg", ".jpe", false},
        {"*.JPG", ".jpg", true},
        {"*.jpg", "", false},
        {"*", "", true},
        {"*.tar.gz", ".gz", true},
        {"", ".jpg", false},
        {"*.jpg;;*.png", ".png", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.list) + " / " + row.extension);
        EXPECT_EQ(ListClaimsExtension(row.list, row.extension), row.expected);
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
