#include "shelltext/PathParts.h"

#include "settings/Cp932Text.h"

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    size_t start = 0;
    if (path.size() >= 2 && path[1] == ':' && !cp932::IsLeadByte(static_cast<unsigned char>(path[0]))) {
        parts.drive = std::string(path.substr(0, 2));
        start = 2;
    }
    // One walk over whole characters finds the last separator and the last dot after it.
    size_t nameStart = start;
    size_t lastDot = std::string_view::npos;
    for (size_t i = start; i < path.size(); i += cp932::CharLength(path, i)) {
        const char c = path[i];
        if (c == '\\' || c == '/') {
            nameStart = i + 1;
            lastDot = std::string_view::npos;
        } else if (c == '.') {
            lastDot = i;
        }
    }
    parts.dir = std::string(path.substr(start, nameStart - start));
    const size_t nameEnd = lastDot == std::string_view::npos ? path.size() : lastDot;
    parts.name = std::string(path.substr(nameStart, nameEnd - nameStart));
    parts.ext = std::string(path.substr(nameEnd));
    return parts;
}

std::string MakePath(std::string_view drive, std::string_view dir, std::string_view name, std::string_view ext) {
    std::string path(drive);
    if (!dir.empty()) {
        path += dir;
        // Whether dir already ends in a separator depends on its last whole character.
        size_t last = 0;
        for (size_t i = 0; i < dir.size(); i += cp932::CharLength(dir, i))
            last = i;
        if (!(dir.size() - last == 1 && (dir[last] == '\\' || dir[last] == '/')))
            path += '\\';
    }
    path += name;
    if (!ext.empty()) {
        if (ext.front() != '.')
            path += '.';
        path += ext;
    }
    return path;
}

std::string FolderOf(std::string_view path) {
    const PathParts parts = SplitPath(path);
    return parts.drive + parts.dir;
}
