#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct AcceptedRow {
    std::vector<std::string> words;
    Command command;
    std::vector<std::string> files;
    std::string settingsPath;
    bool writeWsz;
};

TEST(CommandLine, AcceptsEveryCommandWithItsOptionsAnywhere) {
    const AcceptedRow rows[] = {
        {{"make", "a.bmp", "out/Skin"}, Command::Make, {"a.bmp", "out/Skin"}, "", false},
        {{"make", "--wsz", "a.bmp", "--settings", "p.ini", "out"}, Command::Make, {"a.bmp", "out"}, "p.ini", true},
        {{"make", "a.bmp", "out", "--settings=p q.ini"}, Command::Make, {"a.bmp", "out"}, "p q.ini", false},
        {{"make", "--", "-a.bmp", "--wsz"}, Command::Make, {"-a.bmp", "--wsz"}, "", false},
        {{"make", "-", "out"}, Command::Make, {"-", "out"}, "", false},
        {{"settings", "out.ini"}, Command::Settings, {"out.ini"}, "", false},
        {{"settings", "--settings", "in.ini", "out.ini"}, Command::Settings, {"out.ini"}, "in.ini", false},
        {{"preview", "a.bmp", "p.bmp", "--settings", "x.ini"}, Command::Preview, {"a.bmp", "p.bmp"}, "x.ini", false},
        {{"--help"}, Command::Help, {}, "", false},
        {{"make", "a.bmp", "--bogus", "-h"}, Command::Help, {}, "", false},
        {{"--version"}, Command::Version, {}, "", false},
        {{"preview", "--version"}, Command::Version, {}, "", false},
    };
    for (const AcceptedRow& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.words));
        CommandLine line;
        std::string offending;
        ASSERT_EQ(ParseCommandLine(row.words, true, line, offending), UsageError::None) << offending;
        EXPECT_EQ(line.command, row.command);
        EXPECT_EQ(line.files, row.files);
        EXPECT_EQ(line.settingsPath, row.settingsPath);
        EXPECT_EQ(line.writeWsz, row.writeWsz);
    }
}

struct RefusedRow {
    std::vector<std::string> words;
    bool wszAvailable;
    UsageError error;
    std::string offending;
};

TEST(CommandLine, RefusesBadUsageNamingTheWordAtFault) {
    const RefusedRow rows[] = {
        {{}, true, UsageError::NoCommand, ""},
        {{"bake", "a.bmp"}, true, UsageError::UnknownCommand, "bake"},
        {{"--frobnicate"}, true, UsageError::UnknownOption, "--frobnicate"},
        {{"make", "a.bmp", "out", "--frobnicate"}, true, UsageError::UnknownOption, "--frobnicate"},
        {{"make", "a.bmp", "out", "--settings"}, true, UsageError::MissingValue, "--settings"},
        {{"make", "a.bmp", "out", "--settings="}, true, UsageError::MissingValue, "--settings"},
        {{"make", "a.bmp", "out", "--settings", ""}, true, UsageError::MissingValue, "--settings"},
        {{"settings", "--settings", "a", "--settings", "b", "o"}, true, UsageError::RepeatedOption, "--settings"},
        {{"make", "a.bmp", "out", "--wsz", "--wsz"}, true, UsageError::RepeatedOption, "--wsz"},
        {{"settings", "out.ini", "--wsz"}, true, UsageError::OptionNotAllowed, "--wsz"},
        {{"preview", "a.bmp", "p.bmp", "--wsz"}, true, UsageError::OptionNotAllowed, "--wsz"},
        {{"make", "a.bmp", "out", "--wsz"}, false, UsageError::WszUnavailable, "--wsz"},
        {{"make", "a.bmp"}, true, UsageError::TooFewArguments, "make"},
        {{"settings"}, true, UsageError::TooFewArguments, "settings"},
        {{"make", "a.bmp", "out", "extra"}, true, UsageError::TooManyArguments, "extra"},
        {{"settings", "a.ini", "b.ini"}, true, UsageError::TooManyArguments, "b.ini"},
        {{"make", "", "out"}, true, UsageError::EmptyArgument, ""},
        {{"make", "a.bmp", "out", "--", "--help"}, true, UsageError::TooManyArguments, "--help"},
    };
    for (const RefusedRow& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.words));
        CommandLine line;
        std::string offending;
        const UsageError error = ParseCommandLine(row.words, row.wszAvailable, line, offending);
        EXPECT_EQ(error, row.error) << ToString(error);
        EXPECT_EQ(offending, row.offending);
    }
}

}  // namespace
