#include "cli/Output.h"
#include "cli/SkinFolderPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "テスト" in code page 932 and in UTF-8.
constexpr char kTestCp932[] = "\x83\x65\x83\x58\x83\x67";
constexpr char kTestUtf8[] = "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88";

struct ConversionRow {
    const char* name;
    std::string input;
    const char* charset;
    std::string expected;
};

TEST(ConvertFromCp932, ConvertsOrGivesNothing) {
    std::string longInput, longExpected;
    for (int i = 0; i < 300; ++i) {  // well past the converter's output buffer
        longInput += kTestCp932;
        longExpected += kTestUtf8;
    }
    const ConversionRow rows[] = {
        {"ascii", "plain text", "UTF-8", "plain text"},
        {"japanese", std::string("a") + kTestCp932 + "b", "UTF-8", std::string("a") + kTestUtf8 + "b"},
        {"yen sign byte stays a backslash", "C:\\x", "UTF-8", "C:\\x"},
        {"long", longInput, "UTF-8", longExpected},
        {"empty", "", "UTF-8", ""},
        {"lone lead byte", "ab\x83", "UTF-8", ""},
        {"not representable", kTestCp932, "ASCII", ""},
        {"unknown charset", kTestCp932, "NO-SUCH-CHARSET", ""},
    };
    for (const ConversionRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ConvertFromCp932(row.input, row.charset), row.expected);
    }
}

TEST(WithoutTrailingSeparators, DropsOnlyTheTrailingRun) {
    const std::pair<std::string, std::string> rows[] = {
        {"out/Sample", "out/Sample"},
        {"out/Sample/", "out/Sample"},
        {"out/Sample//", "out/Sample"},
        {"a//b", "a//b"},
        {"/", "/"},
        {"///", "/"},
        {"", ""},
        {"skin", "skin"},
    };
    for (const auto& [input, expected] : rows) {
        SCOPED_TRACE(input);
        EXPECT_EQ(WithoutTrailingSeparators(input), expected);
    }
}

}  // namespace
