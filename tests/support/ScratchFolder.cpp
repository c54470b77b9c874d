#include "ScratchFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(const std::string& purpose) {
    std::string pattern = (fs::temp_directory_path() / ("tolvarin-" + purpose + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()))
        m_root = pattern;
    else
        ADD_FAILURE() << "cannot create a scratch folder from " << pattern;
}

ScratchFolder::~ScratchFolder() {
    if (m_root.empty())
        return;
    // A test may leave entries without write permission: give it back, or they would stay.
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(m_root, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_root, ignored);
}

std::string ScratchFolder::FreshFolder() {
    return Path("folder" + std::to_string(m_nNextFolder++));
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> ListFolder(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
