#include "cli/Commands.h"
#include "cli/Output.h"
#include "settings/Profile.h"

int RunSettings(const CommandLine& line) {
    SkinSettings settings;
    if (!LoadRequestedSettings(line, settings))
        return kExitFailure;
    const std::string& target = line.files[0];
    if (!SaveSkinSettingsFile(target, settings)) {
        ReportError("cannot write the settings profile " + Quoted(target));
        return kExitFailure;
    }
    return kExitDone;
}
