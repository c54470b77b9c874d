#include "cli/SkinFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/Platform.h"
#include "writer/SkinWriter.h"

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

SkinFileSink GatherInto(std::vector<SkinFile>& files) {
    return [&files](const std::string& name, const uint8_t* data, size_t size, std::string&) {
        files.push_back({name, std::string(reinterpret_cast<const char*>(data), size)});
        return true;
    };
}

bool PutInPlaceTogether(const std::vector<SkinFile>& files, std::string& failed, std::string& why) {
    for (const SkinFile& file : files) {
        failed = file.name;
        if (!platform::CheckReplaceable(failed, why))
            return false;
    }
    std::vector<std::string> temporaries;
    bool ok = true;
    for (const SkinFile& file : files) {
        failed = file.name;
        temporaries.push_back(platform::WriteTemporaryBeside(failed, file.bytes.data(), file.bytes.size(), why));
        if (temporaries.back().empty()) {
            ok = false;
            break;
        }
    }
    for (size_t i = 0; ok && i < files.size(); ++i) {
        failed = files[i].name;
        ok = platform::ReplaceWithTemporary(temporaries[i], failed, why);
        if (ok)
            temporaries[i].clear();
    }
    for (const std::string& temporary : temporaries) {
        if (!temporary.empty())
            platform::RemoveFile(temporary);
    }
    return ok;
}

std::vector<std::string> LeftoverSkinFiles(const std::string& folder, const std::vector<SkinFile>& written) {
    std::vector<std::string> skinNames = SkinFileNames();
    std::vector<std::string> leftovers;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const bool skinFile = std::find(skinNames.begin(), skinNames.end(), Upper(name)) != skinNames.end();
        const bool writtenNow =
            std::any_of(written.begin(), written.end(), [&](const SkinFile& file) { return file.name == name; });
        if (skinFile && !writtenNow)
            leftovers.push_back(name);
    }
    std::sort(leftovers.begin(), leftovers.end());
    return leftovers;
}
