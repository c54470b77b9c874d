#include "shelltext/FolderText.h"

#include "settings/Cp932Text.h"

bool EndsWithBackslash(std::string_view folder) {
    size_t last = std::string_view::npos;
    for (size_t i = 0; i < folder.size(); i += cp932::CharLength(folder, i))
        last = i;
    return last != std::string_view::npos && last + 1 == folder.size() && folder[last] == '\\';
}

std::string WithoutTrailingBackslash(std::string_view folder) {
    return std::string(EndsWithBackslash(folder) ? folder.substr(0, folder.size() - 1) : folder);
}

std::string WithTrailingBackslash(std::string_view folder) {
    return EndsWithBackslash(folder) ? std::string(folder) : std::string(folder) + "\\";
}
