#include "shelltext/SusieText.h"

#include "gen/shelltext_texts.h"
#include "settings/Cp932Text.h"
#include "shelltext/PathParts.h"

namespace {

// ASCII letters only: a double-byte character's trail byte may look like a lower-case letter.
std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (size_t i = 0; i < upper.size();) {
        const size_t length = cp932::CharLength(upper, i);
        if (length == 1 && upper[i] >= 'a' && upper[i] <= 'z')
            upper[i] = static_cast<char>(upper[i] - 'a' + 'A');
        i += length;
    }
    return upper;
}

}  // namespace

std::vector<std::string> SplitAtSemicolons(std::string_view text) {
    // ';' is below every trail byte of code page 932, so a plain search never cuts a character.
    std::vector<std::string> entries;
    for (size_t at = text.find(';'); at != std::string_view::npos; at = text.find(';')) {
        entries.emplace_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    if (!text.empty())
        entries.emplace_back(text);
    return entries;
}

PluginSearch MakePluginSearch(std::string_view entry) {
    const PathParts parts = SplitPath(entry);
    PluginSearch search;
    if (!parts.ext.empty()) {
        search.base = parts.drive + parts.dir;
        search.extension = UpperAscii(parts.ext);
    } else {
        search.base = std::string(entry) + "\\";
        search.extension = ".SPI";
    }
    search.pattern = search.base + "*" + search.extension;
    return search;
}

bool IsWantedPluginName(std::string_view foundName, std::string_view wantedExtension) {
    return UpperAscii(SplitPath(foundName).ext) == wantedExtension;
}

bool ListClaimsExtension(std::string_view extensionList, std::string_view fileExtension) {
    for (const std::string& item : SplitAtSemicolons(extensionList)) {
        if (cp932::EqualNoCase(SplitPath(item).ext, fileExtension))
            return true;
    }
    return false;
}

std::string AssembleOpenFilter(const std::vector<FilterFormat>& formats, std::string& supported) {
    std::string pluginPart;
    supported.clear();
    for (const FilterFormat& format : formats) {
        pluginPart += format.typeName + "(" + format.extensions + ")|" + format.extensions + "|";
        supported += format.extensions + ";";
    }
    return std::string(kSupportedFiles) + "|" + supported + "*.BMP|" + pluginPart + kBitmapFiles + "|*.BMP|" +
           kAllFiles + "|*.*";
}

std::string PluginLoadFailedText(std::string_view path) {
    return std::string(path) + "\n\n" + kPluginLoadFailed;
}

std::string FolderNotFoundText(std::string_view entry) {
    return kFolderNotFoundBefore + std::string(entry) + ")\n" + kFolderNotFoundAfter;
}
