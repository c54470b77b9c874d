// The text work of the image plug-in host, apart from any system call: splitting folder and
// extension lists, the search pattern of one folder entry, matching extensions, the open dialog's
// filter and the loading messages. Code page 932 bytes throughout; no system headers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits at ';' the way the host reads both its folder text and a plug-in's extension list: two
// ';' in a row give an empty entry, a trailing ';' adds none, and an empty text gives none.
std::vector<std::string> SplitAtSemicolons(std::string_view text);

// Where one folder entry is searched. An entry with an extension is a file pattern (its folder and
// that extension); any other entry is a folder searched for ".SPI" files. So "C:\Susie.32" means
// the files "*.32" in "C:\", and a trailing backslash gives a doubled one, which the system takes.
struct PluginSearch {
    std::string base;       // what found names are appended to
    std::string extension;  // upper case, with its dot
    std::string pattern;    // base + "*" + extension
};
PluginSearch MakePluginSearch(std::string_view entry);

// True when the found name's extension, upper-cased, is exactly the wanted one. A pattern "*.SPI"
// also finds "x.spix" through its short name; this drops it.
bool IsWantedPluginName(std::string_view foundName, std::string_view wantedExtension);

// True when an item of the extension list (such as "*.jpg;*.jpeg") has the file's extension
// (with its dot; empty for none), ignoring the case of ASCII letters.
bool ListClaimsExtension(std::string_view extensionList, std::string_view fileExtension);

// One format a plug-in reports: GetPluginInfo's type name and extension list of one pair.
struct FilterFormat {
    std::string typeName;
    std::string extensions;
};

// The open dialog's filter, with '|' separators: all supported patterns first, each format in
// order, then bitmaps and all files. `supported` receives every extension list followed by ';'.
std::string AssembleOpenFilter(const std::vector<FilterFormat>& formats, std::string& supported);

// The message texts of a library that fails to load and of a folder entry that finds nothing.
std::string PluginLoadFailedText(std::string_view path);
std::string FolderNotFoundText(std::string_view entry);
