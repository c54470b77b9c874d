// Saving into a fresh scratch folder and comparing what lands there with the model.
#pragma once

#include <filesystem>
#include <string>

#include "SkinModel.h"

namespace oracle {

// A scratch folder under the system's temporary folder, removed with the object.
class Scratch {
  public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    // A path inside the scratch folder that does not exist yet.
    std::string FreshFolder();

  private:
    std::filesystem::path root_;
    int next_ = 0;
};

std::string ReadFileBytes(const std::filesystem::path& path);

// Adds a test failure for every missing, surplus or differing file.
void ExpectFolderMatches(const ExpectedFolder& expected, const std::string& folder);

}  // namespace oracle
