#include "writer/FileOutput.h"

#include <filesystem>
#include <system_error>

#include "platform/Platform.h"

bool ReplaceFileContent(const std::string& name, const void* data, size_t size) {
    // Renaming over a file ignores its read-only mark on some systems; the user's mark wins here.
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(fs::path(name), error);
    if (!error && fs::exists(status) &&
        (!fs::is_regular_file(status) || (status.permissions() & fs::perms::owner_write) == fs::perms::none))
        return false;
    return platform::WriteFileAtomically(name, data, size);
}
