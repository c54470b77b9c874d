// libFuzzer target for the INI engine's reading alone: any bytes parsed as a profile and every
// settings key read from it, with no writing, so that a run tries many inputs a second. The text
// comes back unchanged, and a value found is one the reading gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "settings/IniFile.h"
#include "settings/Profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const IniFile ini(text);
    if (ini.Text() != text)
        std::abort();
    SkinSettings settings;
    ReadSkinSettings(ini, settings);
    // A name read from the input itself: the first line's text before '=' in its first section.
    const size_t open = text.find('['), close = text.find(']', open == std::string::npos ? 0 : open);
    if (open != std::string::npos && close != std::string::npos) {
        const std::string section = text.substr(open + 1, close - open - 1);
        const size_t equals = text.find('=', close);
        const size_t start = text.find('\n', close);
        if (equals != std::string::npos && start != std::string::npos && start < equals) {
            const std::string key = text.substr(start + 1, equals - start - 1);
            const std::optional<std::string_view> found = ini.Find(section, key);
            if (found && ini.ReadString(section, key, "\x01") != *found)
                std::abort();
            (void)ini.ReadInt(section, key, 7);
        }
    }
    return 0;
}
