// The reference for how profiles are read: kernel32's own private-profile functions. For every key
// of DEFAULTS.INI (a fresh profile, its values the defaults), in its order, the key's value in
// PROFILE.INI as GetPrivateProfileIntA reads it, or as GetPrivateProfileStringA reads it when the
// default is no number, is written to OUT.INI in the form of a fresh profile: "[section]" and
// "key=value" lines ending in CR LF.
//
//   profile-reference.exe PROFILE.INI DEFAULTS.INI OUT.INI
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The NUL-separated list kernel32 gives for a null section or key name.
std::vector<std::string> Names(const char* section, const char* file) {
    std::vector<char> buffer(1 << 16);
    const DWORD length = section ? GetPrivateProfileStringA(section, nullptr, "", buffer.data(), buffer.size(), file)
                                 : GetPrivateProfileSectionNamesA(buffer.data(), buffer.size(), file);
    std::vector<std::string> names;
    for (DWORD at = 0; at < length && buffer[at];) {
        names.emplace_back(&buffer[at]);
        at += names.back().size() + 1;
    }
    return names;
}

std::string FullPath(const char* path) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? full : path;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: profile-reference PROFILE.INI DEFAULTS.INI OUT.INI\n");
        return 2;
    }
    // A bare name would be looked for in the Windows folder.
    const std::string profile = FullPath(argv[1]), defaults = FullPath(argv[2]);
    std::string out;
    for (const std::string& section : Names(nullptr, defaults.c_str())) {
        out += "[" + section + "]\r\n";
        for (const std::string& key : Names(section.c_str(), defaults.c_str())) {
            char fallback[1024] = {}, value[1024] = {};
            GetPrivateProfileStringA(section.c_str(), key.c_str(), "", fallback, sizeof fallback, defaults.c_str());
            char* end = nullptr;
            const long number = std::strtol(fallback, &end, 10);
            if (fallback[0] && *end == '\0') {
                const int read = static_cast<int>(
                    GetPrivateProfileIntA(section.c_str(), key.c_str(), static_cast<int>(number), profile.c_str()));
                std::snprintf(value, sizeof value, "%d", read);
            } else {
                GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback, value, sizeof value, profile.c_str());
            }
            out += key + "=" + value + "\r\n";
        }
    }
    FILE* file = std::fopen(argv[3], "wb");
    if (!file || std::fwrite(out.data(), 1, out.size(), file) != out.size() || std::fclose(file) != 0) {
        std::fprintf(stderr, "profile-reference: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
