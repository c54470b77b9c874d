#include "Files.h"

#include "Report.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace tk {
namespace {

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Join(folder, "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = Join(folder, name);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(folder.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
           GetLastError() == ERROR_PATH_NOT_FOUND;
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return false;
    bytes.clear();
    char chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        bytes.append(chunk, got);
    std::fclose(in);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

namespace {

std::vector<std::string> ListEntries(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Join(folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder == folders && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::vector<std::string> ListFiles(const std::string& folder) {
    return ListEntries(folder, false);
}

std::vector<std::string> ListSubFolders(const std::string& folder) {
    return ListEntries(folder, true);
}

std::vector<IniSection> ReadIni(const std::string& path) {
    std::vector<IniSection> sections;
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return sections;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            sections.push_back({line.substr(1, close == std::string::npos ? std::string::npos : close - 1), {}});
            continue;
        }
        if (sections.empty())
            continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            sections.back().keys.emplace_back(Trim(line), "");
        else
            sections.back().keys.emplace_back(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    }
    return sections;
}

const IniSection* FindSection(const std::vector<IniSection>& ini, const std::string& name) {
    for (const IniSection& section : ini) {
        if (lstrcmpiA(section.name.c_str(), name.c_str()) == 0)
            return &section;
    }
    return nullptr;
}

std::string IniValue(const std::vector<IniSection>& ini,
                     const std::string& section,
                     const std::string& key,
                     const std::string& fallback) {
    const IniSection* found = FindSection(ini, section);
    if (!found)
        return fallback;
    for (const auto& [name, value] : found->keys) {
        if (lstrcmpiA(name.c_str(), key.c_str()) == 0)
            return value;
    }
    return fallback;
}

CaseDir MakeCase(const std::string& name, const std::string& iniContent) {
    CaseDir dir;
    dir.folder = Join(Arg("work"), name);
    RemoveTree(dir.folder);
    CreateDirectoryA(dir.folder.c_str(), nullptr);
    const std::string app = Arg("app");
    const size_t slash = app.find_last_of('\\');
    const std::string exeName = slash == std::string::npos ? app : app.substr(slash + 1);
    dir.exe = Join(dir.folder, exeName);
    const size_t dot = exeName.find_last_of('.');
    dir.ini = Join(dir.folder, (dot == std::string::npos ? exeName : exeName.substr(0, dot)) + ".INI");
    if (!CopyFileTo(app, dir.exe))
        Check(false, "copy the program", "to " + dir.exe);
    // A fresh install: the program's own image plug-in beside it, when the build made one.
    const std::string plugin = Join(app.substr(0, slash == std::string::npos ? 0 : slash), "ifstb.spi");
    if (slash != std::string::npos && FileExists(plugin) && !CopyFileTo(plugin, Join(dir.folder, "ifstb.spi")))
        Check(false, "copy ifstb.spi", "to " + dir.folder);
    if (!iniContent.empty())
        WriteWholeFile(dir.ini, iniContent);
    return dir;
}

}  // namespace tk
