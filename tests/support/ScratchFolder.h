// A fresh empty folder for one test under the system's temporary folder, removed with everything
// in it at the end, read-only entries included; and whole-file reading and writing for the tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class ScratchFolder {
  public:
    // `purpose` starts the folder's name ("tolvarin-settings-..."), so that a folder left by a
    // crashed run says whose it is.
    explicit ScratchFolder(const std::string& purpose);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Root() const { return m_root; }
    // A path inside the folder.
    std::string Path(const std::string& name) const { return (m_root / name).string(); }
    // A path inside the folder that does not exist yet, another at every call.
    std::string FreshFolder();

  private:
    std::filesystem::path m_root;
    int m_nNextFolder = 0;
};

// The whole file; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
// The names of a folder's entries, sorted.
std::vector<std::string> ListFolder(const std::filesystem::path& folder);
