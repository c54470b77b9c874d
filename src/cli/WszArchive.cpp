#include "cli/WszArchive.h"

#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

std::string ArchiveError(zip_t* archive) {
    return zip_strerror(archive);
}

}  // namespace

bool WriteWszArchive(const std::string& folder, const std::string& archive, std::string& problem) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error))
            names.push_back(it->path().filename().string());
    }
    if (error) {
        problem = "cannot list the folder: " + error.message();
        return false;
    }
    std::sort(names.begin(), names.end());

    int openError = 0;
    // libzip writes into a temporary file beside the archive and renames it on zip_close, so an
    // older archive stays intact until the new one is complete.
    zip_t* zip = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &openError);
    if (!zip) {
        zip_error_t details;
        zip_error_init_with_code(&details, openError);
        problem = zip_error_strerror(&details);
        zip_error_fini(&details);
        return false;
    }
    for (const std::string& name : names) {
        const std::string path = (std::filesystem::path(folder) / name).string();
        zip_source_t* source = zip_source_file(zip, path.c_str(), 0, -1);
        if (!source || zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_GUESS) < 0) {
            problem = name + ": " + ArchiveError(zip);
            if (source)
                zip_source_free(source);
            zip_discard(zip);
            return false;
        }
    }
    if (zip_close(zip) != 0) {
        problem = ArchiveError(zip);
        zip_discard(zip);
        return false;
    }
    return true;
}
