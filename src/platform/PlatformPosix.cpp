// POSIX implementation of the file, folder and working-directory parts of the seam.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>
#include <utility>

#include "platform/Platform.h"

namespace platform {

MappedFile::MappedFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        void* view = ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (view != MAP_FAILED) {
            data_ = static_cast<const uint8_t*>(view);
            size_ = static_cast<size_t>(st.st_size);
        }
    }
    ::close(fd);  // the mapping keeps the file alive
}

void MappedFile::Close() {
    if (data_)
        ::munmap(const_cast<uint8_t*>(data_), size_);
    data_ = nullptr;
    size_ = 0;
}

void MappedFile::Discard(size_t offset, size_t length) const {
    if (!data_ || offset >= size_)
        return;
    if (length > size_ - offset)
        length = size_ - offset;
    // madvise works on whole pages: drop only the pages lying entirely inside the range.
    const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t begin = reinterpret_cast<uintptr_t>(data_) + offset;
    const uintptr_t first = (begin + page - 1) / page * page;
    const uintptr_t last = (begin + length) / page * page;
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    out.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        out.append(buffer, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool WriteFileAtomically(const std::string& path, const void* data, size_t size) {
    // A rename would replace a read-only file; refuse it as Windows does, even for root.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0))
        return false;
    const std::string temp = path + ".tmp~" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const char* p = static_cast<const char*>(data);
    size_t left = size;
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    // No fsync: the rename already guarantees that a crash of the program or a full disk leaves
    // the old file or the new one, and a flush per file would triple the time of a skin save.
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0 || FolderExists(path);
}

bool CreateFolders(const std::string& path) {
    if (path.empty())
        return false;
    for (size_t i = 1; i < path.size(); ++i) {
        if (path[i] == '/' && path[i - 1] != '/')
            CreateFolder(path.substr(0, i));
    }
    return CreateFolder(path);
}

std::string GetWorkingDirectory() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

bool SetWorkingDirectory(const std::string& path) {
    return ::chdir(path.c_str()) == 0;
}

}  // namespace platform
