#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

namespace {

// Code page 932 names whose trail bytes look like ASCII: "ア" is 83 41 ('A'), "ッ" 83 62 ('b'),
// "ソ" 83 5C ('\\'), "ゾ" 83 5D (']'), "ャ" 83 83, "表" 95 5C ('\\'), "あ" 82 A0.
constexpr const char* kA = "\x83\x41";
constexpr const char* kSmallTsu = "\x83\x62";
constexpr const char* kSo = "\x83\x5C";
constexpr const char* kZo = "\x83\x5D";
constexpr const char* kHyou = "\x95\x5C";
constexpr const char* kHiraA = "\x82\xA0";

std::string S(std::initializer_list<const char*> parts) {
    std::string s;
    for (const char* p : parts)
        s += p;
    return s;
}

TEST(IniFileTest, TextComesBackUnchanged) {
    const std::string texts[] = {
        "",
        "\r\n\r\n",
        "[A]\r\nx=1\r\n",
        "[A]\nx=1\n\n; c\n",
        "[A]\r\nx=1",
        "no section\r\n  [ A ]  junk\r\n = \r\n\r",
        "mixed\nends\r\nhere\r\r\n",
        S({"[", kSo, "]\r\n", kHyou, "=", kZo, "\r\n"}),
        std::string("bin\0ary\x83\n\xFF", 10),
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(IniFile(text).Text(), text);
    }
}

struct FindRow {
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

TEST(IniFileTest, FindsSectionsAndKeys) {
    const FindRow rows[] = {
        {"[SkinSetting]\r\nFullSize=0\r\n", "SkinSetting", "FullSize", "0"},
        {"[SkinSetting]\r\nfullsize=0\r\n", "SKINSETTING", "FULLSIZE", "0"},
        {"[A]\r\n  key  =  two words  \r\n", "A", "key", "two words"},
        {"[ A ]\r\nk=v\r\n", "A", "k", "v"},
        {"  [A] trailing\r\nk=v\r\n", "A", "k", "v"},
        {"[A]\nk=v\n", "a", "K", "v"},
        {"[A]\rk=v\r\nj=w\r", "A", "j", "w"},
        {"[A]\r\nk=\r\n", "A", "k", ""},
        {"[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
        {"[A]\r\nk=\"quoted\"\r\n", "A", "k", "\"quoted\""},
        {"[A]\r\nk=1\r\nk=2\r\n", "A", "k", "1"},
        {"[A]\r\nk=1\r\n[a]\r\nk=2\r\nj=3\r\n", "A", "j", std::nullopt},
        {"k=1\r\n[A]\r\n", "A", "k", std::nullopt},
        {"[A]\r\n;k=1\r\n", "A", ";k", std::nullopt},
        {"[A]\r\nk\r\n", "A", "k", std::nullopt},
        {"[A\r\nk=1\r\n", "A", "k", std::nullopt},
        {"[A]\r\nk=1\r\n[B]\r\n", "B", "k", std::nullopt},
        {"[A]\r\nk=1\r\n", "C", "k", std::nullopt},
        // Double-byte names: the trail byte is compared exactly, letters around it ignore case.
        {S({"[", kA, "]\r\nk=1\r\n"}), kA, "k", "1"},
        {S({"[", kA, "]\r\nk=1\r\n"}), "\x83\x61", "k", std::nullopt},
        {S({"[", kSmallTsu, "]\r\nk=1\r\n"}), "\x83\x42", "k", std::nullopt},
        {S({"[", kSo, "x]\r\nk=1\r\n"}), S({kSo, "X"}), "k", "1"},
        {S({"[", kZo, "]\r\nk=1\r\n"}), kZo, "k", "1"},
        {S({"[A]\r\n", kHyou, "=v\r\n"}), "a", kHyou, "v"},
        {S({"[A]\r\n", kHiraA, "Key=v\r\n"}), "A", S({kHiraA, "kEY"}), "v"},
        {S({"[A]\r\nk=", kSo, kHyou, "\r\n"}), "A", "k", S({kSo, kHyou})},
    };
    for (const FindRow& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text) + " " + row.section + "/" + row.key);
        const IniFile ini(row.text);
        const std::optional<std::string_view> found = ini.Find(row.section, row.key);
        ASSERT_EQ(found.has_value(), row.expected.has_value());
        if (found) {
            EXPECT_EQ(*found, *row.expected);
        }
    }
}

struct WriteRow {
    const char* what;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

TEST(IniFileTest, WritesInPlaceOrAppends) {
    const WriteRow rows[] = {
        {"replace keeps the other lines", "[A]\r\nx=1\r\ny=2\r\n", "A", "x", "5", "[A]\r\nx=5\r\ny=2\r\n"},
        {"replace keeps the stored spelling", "[a]\r\n FULLSIZE = 0  \r\n", "A", "FullSize", "1",
         "[a]\r\n FULLSIZE =1\r\n"},
        {"replace in the right section", "[A]\r\nx=1\r\n[B]\r\nx=2\r\n", "B", "x", "9", "[A]\r\nx=1\r\n[B]\r\nx=9\r\n"},
        {"replace the first of duplicates", "[A]\r\nx=1\r\n[a]\r\nx=2\r\n", "A", "X", "9",
         "[A]\r\nx=9\r\n[a]\r\nx=2\r\n"},
        {"append after the last key", "[A]\r\nx=1\r\n[B]\r\n", "A", "z", "3", "[A]\r\nx=1\r\nz=3\r\n[B]\r\n"},
        {"append before trailing blank lines", "[A]\r\nx=1\r\n\r\n  \r\n[B]\r\ny=2\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n\r\n  \r\n[B]\r\ny=2\r\n"},
        {"append after a comment", "[A]\r\nx=1\r\n; note\r\n\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\n; note\r\nz=3\r\n\r\n"},
        {"a comment is not the key", "[A]\r\n;z=1\r\n", "A", "z", "3", "[A]\r\n;z=1\r\nz=3\r\n"},
        {"append into an empty section", "[A]\r\n\r\n[B]\r\n", "A", "z", "3", "[A]\r\nz=3\r\n\r\n[B]\r\n"},
        {"new section at the end", "[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        {"new section after blank lines", "[A]\r\nx=1\r\n\r\n", "B", "y", "2", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"new section in an empty file", "", "B", "y", "2", "[B]\r\ny=2\r\n"},
        {"keys before any section are not in one", "y=1\r\n", "B", "y", "2", "y=1\r\n[B]\r\ny=2\r\n"},
        {"last line without an end: append", "[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
        {"last line without an end: new section", "[A]", "B", "y", "2", "[A]\r\n[B]\r\ny=2\r\n"},
        {"last line without an end: replace", "[A]\r\nx=1", "A", "x", "2", "[A]\r\nx=2"},
        {"LF file: append", "[A]\nx=1\n\n[B]\n", "A", "y", "2", "[A]\nx=1\ny=2\n\n[B]\n"},
        {"LF file: new section", "[A]\nx=1\n", "B", "y", "2", "[A]\nx=1\n[B]\ny=2\n"},
        {"LF file without an end", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        {"double-byte section found", S({"[", kSo, "]\r\nk=1\r\n"}), kSo, "K", "2", S({"[", kSo, "]\r\nk=2\r\n"})},
        {"double-byte trail is not folded", S({"[", kA, "]\r\nk=1\r\n"}), "\x83\x61", "k", "2",
         S({"[", kA, "]\r\nk=1\r\n[\x83\x61]\r\nk=2\r\n"})},
        {"trail ']' does not close the section", S({"[", kZo, "]\r\nk=1\r\n"}), kZo, "k", "2",
         S({"[", kZo, "]\r\nk=2\r\n"})},
        {"double-byte key and value", S({"[A]\r\n", kHyou, "=", kA, "\r\n"}), "A", kHyou, S({kSo, "%d"}),
         S({"[A]\r\n", kHyou, "=", kSo, "%d\r\n"})},
        {"other bytes untouched", "junk\x81\r\n[A]\r\n\xFFx=1\r\n", "A", "y", "2",
         "junk\x81\r\n[A]\r\n\xFFx=1\r\ny=2\r\n"},
    };
    for (const WriteRow& row : rows) {
        SCOPED_TRACE(row.what);
        IniFile ini(row.before);
        EXPECT_TRUE(ini.WriteString(row.section, row.key, row.value));
        EXPECT_EQ(ini.Text(), row.after);
        EXPECT_EQ(ini.ReadString(row.section, row.key, "missing"), row.value);
        EXPECT_TRUE(ini.IsModified());
    }
}

TEST(IniFileTest, WritingTheSameValueChangesNothing) {
    IniFile ini("[A]\r\nx=5\r\n");
    EXPECT_TRUE(ini.WriteInt("a", "X", 5));
    EXPECT_FALSE(ini.IsModified());
}

TEST(IniFileTest, RefusesWhatCannotBeReadBack) {
    const struct {
        std::string section;
        std::string key;
        std::string value;
    } rows[] = {
        {"", "k", "v"},
        {" A", "k", "v"},
        {"A ", "k", "v"},
        {"A]B", "k", "v"},
        {"A\r\nB", "k", "v"},
        // The lead byte would take the closing ']' as its trail byte.
        {"A\x83", "k", "v"},
        {"A", "", "v"},
        {"A", " k", "v"},
        {"A", "k=j", "v"},
        {"A", ";k", "v"},
        {"A", "[k", "v"},
        {"A", "k\n", "v"},
        {"A", "k", "one\r\n[B]"},
        {"A", "k", "one\ntwo"},
        {"A", "k", std::string("a\0b", 3)},
    };
    const std::string before = "[A]\r\nk=1\r\n";
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.section) + " " + testing::PrintToString(row.key) + " " +
                     testing::PrintToString(row.value));
        IniFile ini(before);
        EXPECT_FALSE(ini.WriteString(row.section, row.key, row.value));
        EXPECT_EQ(ini.Text(), before);
        EXPECT_FALSE(ini.IsModified());
    }
}

TEST(IniFileTest, ValueBlanksAreWrittenButNotReadBack) {
    IniFile ini;
    ASSERT_TRUE(ini.WriteString("A", "k", "  v  "));
    EXPECT_EQ(ini.Text(), "[A]\r\nk=  v  \r\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "v");
    ini.MarkSaved();
    ASSERT_TRUE(ini.WriteString("A", "k", "  v  "));
    EXPECT_FALSE(ini.IsModified());
}

TEST(IniFileTest, ReadsIntegers) {
    const struct {
        std::string value;
        int32_t expected;
    } rows[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"0", 0},
        {"12abc", 12},
        {"3 4", 3},
        {"abc", 0},
        {"- 5", 0},
        {"0x10", 16},
        {"-0x1fz", -31},
        {"0X10", 0},
        {"0x", 0},
        {"0b101", 5},
        {"0o17", 15},
        {"0o8", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MIN},
        {"4294967296", 0},
        {"4294967297", 1},
        {"-2147483648", INT_MIN},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(ParseProfileInt(row.value), row.expected);
        EXPECT_EQ(IniFile("[A]\r\nk= " + row.value + " \r\n").ReadInt("A", "k", 99), row.expected);
    }
    EXPECT_EQ(IniFile("[A]\r\nk=\r\n").ReadInt("A", "k", 99), 99);
    // Only the first 29 characters are read.
    EXPECT_EQ(IniFile("[A]\r\nk=" + std::string(28, '0') + "12\r\n").ReadInt("A", "k", 99), 1);
    EXPECT_EQ(IniFile("[A]\r\n").ReadInt("A", "k", -3), -3);
    EXPECT_EQ(IniFile().ReadInt("A", "k", 7), 7);
}

TEST(IniFileTest, WritesIntegersInDecimal) {
    IniFile ini;
    ASSERT_TRUE(ini.WriteInt("A", "min", INT_MIN));
    ASSERT_TRUE(ini.WriteInt("A", "neg", -1));
    ASSERT_TRUE(ini.WriteInt("A", "max", INT_MAX));
    EXPECT_EQ(ini.Text(), "[A]\r\nmin=-2147483648\r\nneg=-1\r\nmax=2147483647\r\n");
}

}  // namespace
