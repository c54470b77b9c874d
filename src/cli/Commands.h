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

// Reads and fits the picture; false (reported, naming the file) when it cannot be read.
bool OpenRequestedPicture(const std::string& path, DibBuffer& fit232, DibBuffer& fit116);
