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
        ASSERT_EQ(ParseCommandLine(row.words, {true, "UTF-8"}, line, offending), UsageError::None) << offending;
        EXPECT_EQ(line.command, row.command);
        EXPECT_EQ(line.files, row.files);
        EXPECT_EQ(line.settingsPath, row.settingsPath);
        EXPECT_EQ(line.writeWsz, row.writeWsz);
    }
}

TEST(CommandLine, CompleteSkinsOnlyWhenAsked) {
    using Words = std::vector<std::string>;
    for (const auto& [words, mode] :
         {std::pair{Words{"make", "--complete", "a.bmp", "out", "--wsz"}, SkinMode::Complete},
          {Words{"preview", "a.bmp", "p.bmp", "--complete"}, SkinMode::Complete},
          {Words{"make", "a.bmp", "out"}, SkinMode::Classic}}) {
        CommandLine line;
        std::string offending;
        ASSERT_EQ(ParseCommandLine(words, {true, "UTF-8"}, line, offending), UsageError::None) << offending;
        EXPECT_EQ(line.mode, mode) << words[0];
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
        {{"settings", "out.ini", "--complete"}, true, UsageError::CompleteNotAllowed, "--complete"},
        {{"preview", "a", "p", "--complete", "--complete"}, true, UsageError::RepeatedOption, "--complete"},
        {{"make", "a.bmp"}, true, UsageError::TooFewArguments, "make"},
        {{"settings"}, true, UsageError::TooFewArguments, "settings"},
        {{"make", "a.bmp", "out", "extra"}, true, UsageError::TooManyArguments, "extra"},
        {{"settings", "a.ini", "b.ini"}, true, UsageError::TooManyArguments, "b.ini"},
        {{"make", "", "out"}, true, UsageError::EmptyArgument, ""},
        {{"make", "a.bmp", "out", "--", "--help"}, true, UsageError::TooManyArguments, "--help"},
        {{"make", "a.bmp", "out", "--set"}, true, UsageError::SettingNotKeyValue, "--set"},
        {{"settings", "o.ini", "--set", "Opacity"}, true, UsageError::SettingNotKeyValue, "Opacity"},
        {{"settings", "o.ini", "--set==1"}, true, UsageError::SettingNotKeyValue, "=1"},
        {{"settings", "o.ini", "--set", "Opacty=1"}, true, UsageError::UnknownSetting, "Opacty"},
        {{"settings", "o.ini", "--set", "SexyFont.Opacity=1"}, true, UsageError::UnknownSetting, "SexyFont.Opacity"},
        {{"settings", "o.ini", "--set", "KeyColor_R=1"}, true, UsageError::UnknownSetting, "KeyColor_R"},
        {{"settings", "o.ini", "--set", "use=0"},
         true,
         UsageError::AmbiguousSetting,
         "use (MARON.Use or SexyFont.Use)"},
        {{"settings", "o.ini", "--set", "FullSize=2"},
         true,
         UsageError::BadSettingValue,
         "SkinSetting.FullSize=2 (a whole number from 0 to 1)"},
        {{"settings", "o.ini", "--set", "SkinAlphaBrend=11"},
         true,
         UsageError::BadSettingValue,
         "SkinSetting.SkinAlphaBrend=11 (a whole number from 0 to 10)"},
        {{"settings", "o.ini", "--set", "AnalyzerMode=3"},
         true,
         UsageError::BadSettingValue,
         "MARON.AnalyzerMode=3 (a whole number from 0 to 2)"},
        {{"settings", "o.ini", "--set", "BlendMethod=-1"},
         true,
         UsageError::BadSettingValue,
         "MARON.BlendMethod=-1 (a whole number from 0 to 2)"},
        {{"settings", "o.ini", "--set", "Opacity=101"},
         true,
         UsageError::BadSettingValue,
         "MARON.Opacity=101 (a whole number from 0 to 100)"},
        // 2^32 + 50 would read as 50 from a profile.
        {{"settings", "o.ini", "--set", "Opacity=4294967346"},
         true,
         UsageError::BadSettingValue,
         "MARON.Opacity=4294967346 (a whole number from 0 to 100)"},
        {{"settings", "o.ini", "--set", "Opacity=+5"},
         true,
         UsageError::BadSettingValue,
         "MARON.Opacity=+5 (a whole number from 0 to 100)"},
        {{"settings", "o.ini", "--set", "SideColorG=256"},
         true,
         UsageError::BadSettingValue,
         "SkinColor.SideColorG=256 (a whole number from 0 to 255)"},
        {{"settings", "o.ini", "--set", "VisColorR00="},
         true,
         UsageError::BadSettingValue,
         "VisColor.VisColorR00= (a whole number from 0 to 255)"},
        {{"settings", "o.ini", "--set", "Normal_A=1x"},
         true,
         UsageError::BadSettingValue,
         "PlTextColor.Normal_A=1x (a whole number from 0 to 255)"},
        {{"settings", "o.ini", "--set", "PlFont=" + std::string(256, 'x')},
         true,
         UsageError::BadSettingValue,
         "PlFont.PlFont=" + std::string(256, 'x') + " (a font name of up to 255 bytes in code page 932, on one line)"},
        {{"settings", "o.ini", "--set", "PlFont=a\nb"},
         true,
         UsageError::BadSettingValue,
         "PlFont.PlFont=a\nb (a font name of up to 255 bytes in code page 932, on one line)"},
        {{"settings", "o.ini", "--set", "PlFont=\xFF"},
         true,
         UsageError::BadSettingValue,
         "PlFont.PlFont=\xFF (not text in the terminal's charset UTF-8 that code page 932 can hold)"},
    };
    for (const RefusedRow& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.words));
        CommandLine line;
        std::string offending;
        const UsageError error = ParseCommandLine(row.words, {row.wszAvailable, "UTF-8"}, line, offending);
        EXPECT_EQ(error, row.error) << ToString(error);
        EXPECT_EQ(offending, row.offending);
    }
}

// Each change as "Section.Key=value", the value as stored (a font name in code page 932).
TEST(CommandLine, SetChangesTheNamedKeysInOrder) {
    const struct {
        std::vector<std::string> words;
        std::vector<std::string> changes;
    } rows[] = {
        {{"make", "a.bmp", "out", "--set", "Opacity=0", "--set=maron.USE=0", "--set", "SexyFont.Use=1"},
         {"MARON.Opacity=0", "MARON.Use=0", "SexyFont.Use=1"}},
        // The longest font name a profile keeps.
        {{"settings", "o.ini", "--set", "PlFont=" + std::string(255, 'x')}, {"PlFont.PlFont=" + std::string(255, 'x')}},
        {{"settings", "o.ini", "--set", "SkinAlphaBrend=10", "--set", "VisColorB23=255", "--set", "Normal_A=0"},
         {"SkinSetting.SkinAlphaBrend=10", "VisColor.VisColorB23=255", "PlTextColor.Normal_A=0"}},
        // "ＭＳ ゴシック" given in UTF-8, stored in code page 932; a later change of a key wins on reading.
        {{"preview", "a.bmp", "p.bmp", "--set",
          "PlFont=\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF", "--set", "PlFont="},
         {"PlFont.PlFont=\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E", "PlFont.PlFont="}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.words));
        CommandLine line;
        std::string offending;
        ASSERT_EQ(ParseCommandLine(row.words, {true, "UTF-8"}, line, offending), UsageError::None) << offending;
        std::vector<std::string> changes;
        for (const SettingChange& change : line.settingChanges) {
            const bool text = change.entry->step == ProfileStep::kText;
            changes.push_back(QualifiedName(*change.entry) + "=" +
                              (text ? change.text : std::to_string(change.number)));
        }
        EXPECT_EQ(changes, row.changes);
    }
}

}  // namespace
