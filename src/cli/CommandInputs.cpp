// The inputs every command shares: the settings and the fitted picture, each reporting its own
// failure so that the commands read as their steps.
#include "cli/Commands.h"
#include "cli/Output.h"
#include "picture/OpenPicture.h"
#include "platform/Platform.h"
#include "settings/Profile.h"
#include "settings/SettingChange.h"

bool LoadRequestedSettings(const CommandLine& line, SkinSettings& settings) {
    // The --set changes go into the profile as it was read, so that they are read exactly as its
    // own lines would be.
    IniFile profile;
    if (!line.settingsPath.empty()) {
        if (!platform::PathExists(line.settingsPath)) {
            ReportError("no such settings profile " + Quoted(line.settingsPath));
            return false;
        }
        if (platform::FolderExists(line.settingsPath) ||
            LoadProfile(line.settingsPath, profile) != ProfileLoad::kRead) {
            ReportError("cannot read the settings profile " + Quoted(line.settingsPath));
            return false;
        }
    }
    for (const SettingChange& change : line.settingChanges)
        ApplySettingChange(change, profile);
    ReadSkinSettings(profile, settings);
    return true;
}

bool OpenRequestedPicture(const std::string& path, DibBuffer& fit232, DibBuffer& fit116) {
    std::string why;
    if (OpenAndFitAnyPicture(path, fit232, fit116, why))
        return true;
    if (!platform::PathExists(path))
        ReportError("no such picture " + Quoted(path));
    else
        ReportError("cannot read the picture " + Quoted(path) + ": " + why);
    return false;
}
