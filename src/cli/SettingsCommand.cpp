#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/StandardStreams.h"
#include "platform/Platform.h"
#include "settings/Profile.h"
#include "settings/ProfileTarget.h"

int RunSettings(const CommandLine& line) {
    SkinSettings settings;
    if (!LoadRequestedSettings(line, settings))
        return kExitFailure;
    const std::string& target = line.files[0];
    if (target == kStandardStream) {
        IniFile profile;
        std::string why = "a value cannot be stored";
        const bool ok = WriteSkinSettings(profile, settings);
        const std::string text = profile.Text();
        if (ok && WriteStandardOutput(text.data(), text.size(), why))
            return kExitDone;
        ReportError("cannot write the settings profile to standard output: " + why);
        return kExitFailure;
    }
    // The profile is merged into an existing file, which is read first like any profile.
    std::string why;
    const platform::FileCheck existing = platform::CheckRegularFile(target, kLargestProfileBytes, why);
    if (existing == platform::FileCheck::kRefused || !SaveSkinSettingsFile(target, settings)) {
        if (existing != platform::FileCheck::kRefused)
            why = platform::LastErrorText();
        ReportError("cannot write the settings profile " + Quoted(target) + ": " + why);
        return kExitFailure;
    }
    return kExitDone;
}
