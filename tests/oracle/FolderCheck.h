// Saving into a fresh scratch folder and comparing what lands there with the model.
#pragma once

#include <filesystem>
#include <string>

#include "ScratchFolder.h"
#include "SkinModel.h"

namespace oracle {

// Adds a test failure for every missing, surplus or differing file.
void ExpectFolderMatches(const ExpectedFolder& expected, const std::string& folder);

}  // namespace oracle
