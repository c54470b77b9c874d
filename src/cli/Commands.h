// The commands of `tolvarin`. Each reports its own failures on standard error and returns the
// process's exit status.
#pragma once

#include <string>

#include "cli/CommandLine.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

int RunMake(const CommandLine& line);
int RunSettings(const CommandLine& line);
int RunPreview(const CommandLine& line);

// The defaults, or the profile named by --settings read as the program reads its profiles, with
// the --set changes on top. False (reported) when the profile does not exist or cannot be read: a
// mistyped name must not quietly give the defaults.
bool LoadRequestedSettings(const CommandLine& line, SkinSettings& settings);

// What a skin is made from: the settings and the picture fitted into both boxes.
struct SkinInputs {
    SkinSettings settings;
    DibBuffer fit232;
    DibBuffer fit116;
};

// The settings as LoadRequestedSettings gives them, then the picture named first on the line, read
// and fitted; false (reported, naming the file) when either cannot be read.
bool LoadRequestedInputs(const CommandLine& line, SkinInputs& inputs);
