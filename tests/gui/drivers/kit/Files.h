// Files of a case: a fresh folder per case with the program copied into it (its INI lives beside
// it, so no case sees another's settings), and the reading of what the program wrote.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tk {

std::string Join(const std::string& folder, const std::string& name);
bool FileExists(const std::string& path);
bool RemoveTree(const std::string& folder);
bool CopyFileTo(const std::string& from, const std::string& to);
bool ReadWholeFile(const std::string& path, std::string& bytes);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// Names of the plain files in folder, sorted.
std::vector<std::string> ListFiles(const std::string& folder);
// Names of the folders in folder, sorted.
std::vector<std::string> ListSubFolders(const std::string& folder);

struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;  // in file order
};
// An INI file as written: sections and key=value lines in file order (blank and comment lines skipped).
std::vector<IniSection> ReadIni(const std::string& path);
const IniSection* FindSection(const std::vector<IniSection>& ini, const std::string& name);
// The value of key in section, or fallback.
std::string IniValue(const std::vector<IniSection>& ini,
                     const std::string& section,
                     const std::string& key,
                     const std::string& fallback = "<absent>");

struct CaseDir {
    std::string folder;  // <work>\<name>, emptied
    std::string exe;     // the program copied into it
    std::string ini;     // where the program keeps its INI
};
// Makes <--work>\<name> afresh and copies the program (--app) into it; when iniContent is given it
// becomes the program's INI.
CaseDir MakeCase(const std::string& name, const std::string& iniContent = {});

}  // namespace tk
