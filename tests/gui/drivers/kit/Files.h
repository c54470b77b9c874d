// Files of a case: a fresh folder per case with the program copied into it (its INI lives beside
// it, so no case sees another's settings), and the reading of what the program wrote.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tk {

std::string join(const std::string& folder, const std::string& name);
bool file_exists(const std::string& path);
bool remove_tree(const std::string& folder);
bool copy_file(const std::string& from, const std::string& to);
bool read_file(const std::string& path, std::string& bytes);
bool write_file(const std::string& path, const std::string& bytes);
// Names of the plain files in folder, sorted.
std::vector<std::string> list_files(const std::string& folder);

struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;  // in file order
};
// An INI file as written: sections and key=value lines in file order (blank and comment lines skipped).
std::vector<IniSection> read_ini(const std::string& path);
const IniSection* find_section(const std::vector<IniSection>& ini, const std::string& name);
// The value of key in section, or fallback.
std::string ini_value(const std::vector<IniSection>& ini,
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
CaseDir make_case(const std::string& name, const std::string& iniContent = {});

}  // namespace tk
