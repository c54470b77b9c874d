#include "cli/WszArchive.h"

#include <zip.h>

#include <filesystem>
#include <system_error>

namespace {

std::string ErrorText(zip_error_t* error) {
    return zip_error_strerror(error);
}

// Reads the whole in-memory archive that zip_close has finished.
bool ReadSource(zip_source_t* source, std::string& out, std::string& problem) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) || zip_source_open(source) != 0) {
        problem = ErrorText(zip_source_error(source));
        return false;
    }
    out.resize(stat.size);
    const zip_int64_t read = zip_source_read(source, out.data(), stat.size);
    zip_source_close(source);
    if (read != static_cast<zip_int64_t>(stat.size)) {
        problem = ErrorText(zip_source_error(source));
        return false;
    }
    return true;
}

}  // namespace

bool PackWszArchive(const std::vector<SkinFile>& files, std::string& archive, std::string& problem) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!memory) {
        problem = ErrorText(&error);
        zip_error_fini(&error);
        return false;
    }
    zip_source_keep(memory);  // the archive's bytes are read back from it after zip_close
    zip_t* zip = zip_open_from_source(memory, ZIP_TRUNCATE, &error);
    bool ok = zip != nullptr;
    if (!ok)
        problem = ErrorText(&error);
    for (size_t i = 0; ok && i < files.size(); ++i) {
        const SkinFile& file = files[i];
        zip_source_t* entry = zip_source_buffer(zip, file.bytes.data(), file.bytes.size(), 0);
        if (!entry || zip_file_add(zip, file.name.c_str(), entry, ZIP_FL_ENC_GUESS) < 0) {
            problem = file.name + ": " + zip_strerror(zip);
            if (entry)
                zip_source_free(entry);
            ok = false;
        }
    }
    if (ok && zip_close(zip) != 0) {
        problem = zip_strerror(zip);
        ok = false;
    }
    if (!ok && zip)
        zip_discard(zip);
    ok = ok && ReadSource(memory, archive, problem);
    zip_source_free(memory);
    zip_error_fini(&error);
    return ok;
}

std::string WszPathFor(const std::string& folder, std::string& problem) {
    const std::filesystem::path path(folder);
    if (path.filename() != "." && path.filename() != "..")
        return folder + ".wsz";
    std::error_code error;
    const std::filesystem::path real = std::filesystem::weakly_canonical(std::filesystem::absolute(path), error);
    if (error || real.filename().empty()) {
        problem = error ? error.message() : "the folder has no name to give the archive";
        return std::string();
    }
    return (real.parent_path() / (real.filename().string() + ".wsz")).string();
}
