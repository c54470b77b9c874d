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

std::string join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

bool file_exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool remove_tree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(join(folder, "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = join(folder, name);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                remove_tree(path);
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

bool copy_file(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

bool read_file(const std::string& path, std::string& bytes) {
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

bool write_file(const std::string& path, const std::string& bytes) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

std::vector<std::string> list_files(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(join(folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<IniSection> read_ini(const std::string& path) {
    std::vector<IniSection> sections;
    std::string bytes;
    if (!read_file(path, bytes))
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

const IniSection* find_section(const std::vector<IniSection>& ini, const std::string& name) {
    for (const IniSection& section : ini) {
        if (lstrcmpiA(section.name.c_str(), name.c_str()) == 0)
            return &section;
    }
    return nullptr;
}

std::string ini_value(const std::vector<IniSection>& ini,
                      const std::string& section,
                      const std::string& key,
                      const std::string& fallback) {
    const IniSection* found = find_section(ini, section);
    if (!found)
        return fallback;
    for (const auto& [name, value] : found->keys) {
        if (lstrcmpiA(name.c_str(), key.c_str()) == 0)
            return value;
    }
    return fallback;
}

CaseDir make_case(const std::string& name, const std::string& iniContent) {
    CaseDir dir;
    dir.folder = join(arg("work"), name);
    remove_tree(dir.folder);
    CreateDirectoryA(dir.folder.c_str(), nullptr);
    const std::string app = arg("app");
    const size_t slash = app.find_last_of('\\');
    const std::string exeName = slash == std::string::npos ? app : app.substr(slash + 1);
    dir.exe = join(dir.folder, exeName);
    const size_t dot = exeName.find_last_of('.');
    dir.ini = join(dir.folder, (dot == std::string::npos ? exeName : exeName.substr(0, dot)) + ".INI");
    if (!copy_file(app, dir.exe))
        check(false, "copy the program", "to " + dir.exe);
    // A fresh install: the program's own image plug-in beside it, when the build made one.
    const std::string plugin = join(app.substr(0, slash == std::string::npos ? 0 : slash), "ifstb.spi");
    if (slash != std::string::npos && file_exists(plugin) && !copy_file(plugin, join(dir.folder, "ifstb.spi")))
        check(false, "copy ifstb.spi", "to " + dir.folder);
    if (!iniContent.empty())
        write_file(dir.ini, iniContent);
    return dir;
}

}  // namespace tk
