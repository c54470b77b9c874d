// The inputs every command shares: the settings and the fitted picture, each reporting its own
// failure so that the commands read as their steps.
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/StandardStreams.h"
#include "picture/OpenPicture.h"
#include "platform/Platform.h"
#include "settings/Profile.h"
#include "settings/ProfileTarget.h"
#include "settings/SettingChange.h"

bool LoadRequestedSettings(const CommandLine& line, SkinSettings& settings) {
    // The --set changes go into the profile as it was read, so that they are read exactly as its
    // own lines would be.
    IniFile profile;
    if (!line.settingsPath.empty()) {
        std::string why;
        const platform::FileCheck check = platform::CheckRegularFile(line.settingsPath, kLargestProfileBytes, why);
        if (check == platform::FileCheck::kMissing) {
            ReportError("no such settings profile " + Quoted(line.settingsPath));
            return false;
        }
        if (check != platform::FileCheck::kRegular || LoadProfile(line.settingsPath, profile) != ProfileLoad::kRead) {
            ReportError("cannot read the settings profile " + Quoted(line.settingsPath) +
                        (why.empty() ? "" : ": " + why));
            return false;
        }
    }
    for (const SettingChange& change : line.settingChanges)
        ApplySettingChange(change, profile);
    ReadSkinSettings(profile, settings);
    return true;
}

bool LoadRequestedInputs(const CommandLine& line, SkinInputs& inputs) {
    if (!LoadRequestedSettings(line, inputs.settings))
        return false;
    const std::string& path = line.files[0];
    std::string why;
    if (path == kStandardStream) {
        // Every bitmap the reader takes fits in this, with room for its headers and palette.
        constexpr uint64_t kLargestPicture = (uint64_t(1) << 32) + (uint64_t(1) << 20);
        std::string bytes;
        if (ReadStandardInput(bytes, kLargestPicture, why) &&
            FitAnyPictureMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), inputs.fit232,
                                inputs.fit116, why))
            return true;
        ReportError("cannot read the picture from standard input: " + why);
        return false;
    }
    const platform::FileCheck check = platform::CheckRegularFile(path, UINT64_MAX, why);
    if (check == platform::FileCheck::kMissing) {
        ReportError("no such picture " + Quoted(path));
        return false;
    }
    if (check == platform::FileCheck::kRegular && OpenAndFitAnyPicture(path, inputs.fit232, inputs.fit116, why))
        return true;
    ReportError("cannot read the picture " + Quoted(path) + ": " + why);
    return false;
}
