// The inputs every command shares: the settings and the fitted picture, each reporting its own
// failure so that the commands read as their steps.
#include "cli/Commands.h"
#include "cli/Output.h"
#include "picture/OpenPicture.h"
#include "platform/Platform.h"
#include "settings/Profile.h"

bool LoadRequestedSettings(const CommandLine& line, SkinSettings& settings) {
    settings = SettingsDefaults;
    if (line.settingsPath.empty())
        return true;
    if (!platform::PathExists(line.settingsPath)) {
        ReportError("no such settings profile " + Quoted(line.settingsPath));
        return false;
    }
    if (platform::FolderExists(line.settingsPath) || !LoadSkinSettingsFile(line.settingsPath, settings)) {
        ReportError("cannot read the settings profile " + Quoted(line.settingsPath));
        return false;
    }
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
