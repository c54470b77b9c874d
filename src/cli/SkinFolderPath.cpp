#include "cli/SkinFolderPath.h"

#include <cstddef>

namespace {

#ifdef _WIN32
bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
#endif

}  // namespace

std::string WithoutTrailingSeparators(const std::string& path) {
    // Walk forward, remembering where the last run of separators starts; a backward walk cannot
    // tell a code page 932 trail byte from a backslash.
    size_t end = path.size();
    bool inSeparators = false;
    for (size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
#ifdef _WIN32
        const bool separator = c == '/' || c == '\\';
#else
        const bool separator = c == '/';
#endif
        if (separator && !inSeparators)
            end = i;
        inSeparators = separator;
#ifdef _WIN32
        if (IsCp932LeadByte(static_cast<unsigned char>(c)) && i + 1 < path.size()) {
            ++i;
            inSeparators = false;
        }
#endif
    }
    if (!inSeparators)
        return path;
    return end == 0 ? path.substr(0, 1) : path.substr(0, end);
}
