// POSIX implementation of the file, folder and working-directory parts of the seam.
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "platform/Platform.h"

namespace platform {
namespace {

// The mappings alive at once, each with the flag its shrinking sets. The signal handler reads the
// table; an entry is filled before its mapping is used and cleared before it is unmapped.
struct BusGuard {
    std::atomic<uintptr_t> begin{0};
    std::atomic<uintptr_t> end{0};
    std::atomic<bool> shrank{false};
};
constexpr size_t kGuards = 16;
BusGuard g_guards[kGuards];
struct sigaction g_previousBusAction;
uintptr_t g_pageSize = 4096;

// A page of a mapped file beyond its current end raises SIGBUS. Covering the rest of the mapping
// with zero pages lets the read go on to its end, where the reader sees Shrank() and refuses it.
void OnBusError(int signal, siginfo_t* info, void* context) {
    const uintptr_t address = reinterpret_cast<uintptr_t>(info->si_addr);
    for (BusGuard& guard : g_guards) {
        const uintptr_t begin = guard.begin.load(), end = guard.end.load();
        if (begin != 0 && address >= begin && address < end) {
            const uintptr_t page = address / g_pageSize * g_pageSize;
            const int saved = errno;
            const void* zeros = ::mmap(reinterpret_cast<void*>(page), end - page, PROT_READ,
                                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
            errno = saved;
            if (zeros != MAP_FAILED) {
                guard.shrank = true;
                return;
            }
        }
    }
    // Not one of ours: what would have happened without this handler.
    if (g_previousBusAction.sa_flags & SA_SIGINFO) {
        g_previousBusAction.sa_sigaction(signal, info, context);
    } else if (g_previousBusAction.sa_handler != SIG_IGN && g_previousBusAction.sa_handler != SIG_DFL) {
        g_previousBusAction.sa_handler(signal);
    } else {
        ::signal(SIGBUS, SIG_DFL);  // the faulting access runs again and ends the process
    }
}

void InstallBusHandler() {
    static const bool installed = [] {
        g_pageSize = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        return ::sigaction(SIGBUS, &action, &g_previousBusAction) == 0;
    }();
    (void)installed;
}

// The guard's number plus one, or 0 when every guard is taken (the mapping is then unguarded).
intptr_t TakeBusGuard(const uint8_t* data, size_t size) {
    InstallBusHandler();
    for (size_t i = 0; i < kGuards; ++i) {
        uintptr_t expected = 0;
        if (g_guards[i].end.compare_exchange_strong(expected, reinterpret_cast<uintptr_t>(data) + size)) {
            g_guards[i].shrank = false;
            g_guards[i].begin = reinterpret_cast<uintptr_t>(data);
            return static_cast<intptr_t>(i + 1);
        }
    }
    return 0;
}

std::string Describe(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(st.st_mode))
        return "it is a pipe (FIFO), not a regular file";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return "it is a device, not a regular file";
    if (S_ISSOCK(st.st_mode))
        return "it is a socket, not a regular file";
    return "not a regular file";
}

// Opens for reading without waiting for a FIFO's writer; -1 with `why` set when it cannot be
// opened or is not a regular file.
int OpenRegularFile(const std::string& path, struct stat& st, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        why = std::strerror(errno);
        return -1;
    }
    if (::fstat(fd, &st) != 0) {
        why = std::strerror(errno);
    } else if (!S_ISREG(st.st_mode)) {
        why = Describe(st);
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

bool WriteAll(int fd, const void* data, size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

MappedFile::MappedFile(const std::string& path) {
    struct stat st {};
    const int fd = OpenRegularFile(path, st, failure_);
    if (fd < 0)
        return;
    if (st.st_size == 0) {
        failure_ = "the file is empty";
    } else if (uint64_t(st.st_size) > SIZE_MAX) {
        failure_ = "the file is too large to map";
    } else {
        void* view = ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (view != MAP_FAILED) {
            data_ = static_cast<const uint8_t*>(view);
            size_ = static_cast<size_t>(st.st_size);
            handle_ = TakeBusGuard(data_, size_);
        } else {
            failure_ = std::strerror(errno);
        }
    }
    ::close(fd);  // the mapping keeps the file alive
}

bool MappedFile::Shrank() const {
    return handle_ > 0 && g_guards[handle_ - 1].shrank;
}

void MappedFile::Unmap() {
    if (handle_ > 0) {
        g_guards[handle_ - 1].begin = 0;
        g_guards[handle_ - 1].end = 0;
    }
    if (data_)
        ::munmap(const_cast<uint8_t*>(data_), size_);
}

void MappedFile::DropPages(size_t offset, size_t length) const {
    // madvise works on whole pages: drop only the pages lying entirely inside the range.
    const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t begin = reinterpret_cast<uintptr_t>(data_) + offset;
    const uintptr_t first = (begin + page - 1) / page * page;
    const uintptr_t last = (begin + length) / page * page;
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

bool ReadWholeFile(const std::string& path, std::string& out, uint64_t maxBytes) {
    struct stat st {};
    std::string why;
    const int fd = OpenRegularFile(path, st, why);
    if (fd < 0)
        return false;
    out.clear();
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (uint64_t(out.size()) + uint64_t(n) > maxBytes) {
            ok = false;
            break;
        }
        out.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return ok;
}

FileCheck CheckRegularFile(const std::string& path, uint64_t maxBytes, std::string& why) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        why = std::strerror(errno);
        return errno == ENOENT ? FileCheck::kMissing : FileCheck::kRefused;
    }
    if (!S_ISREG(st.st_mode)) {
        why = Describe(st);
        return FileCheck::kRefused;
    }
    if (uint64_t(st.st_size) > maxBytes) {
        why = TooLargeText(uint64_t(st.st_size), maxBytes);
        return FileCheck::kRefused;
    }
    return FileCheck::kRegular;
}

bool CheckReplaceable(const std::string& path, std::string& why) {
    // A rename would replace a read-only file; refuse it as Windows does, even for root.
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) != 0)
        return true;
    if (S_ISLNK(existing.st_mode) && ::stat(path.c_str(), &existing) != 0)
        return true;  // a dangling link is replaced, never followed
    // errno too, for callers that only see a false further up.
    if (!S_ISREG(existing.st_mode)) {
        why = Describe(existing);
        errno = S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    if ((existing.st_mode & 0222) == 0) {
        why = "the file is read-only";
        errno = EACCES;
        return false;
    }
    return true;
}

NewFile WriteNewFile(const std::string& path, const void* data, size_t size, std::string& why) {
    // Created exclusively and never through a link: a name planted beside the file is never used.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return NewFile::kTaken;
        why = std::strerror(errno);
        return NewFile::kFailed;
    }
    // No fsync: the rename already guarantees that a crash of the program or a full disk leaves
    // the old file or the new one, and a flush per file would triple the time of a skin save.
    bool ok = WriteAll(fd, data, size);
    if (!ok)
        why = std::strerror(errno);
    if (::close(fd) != 0 && ok) {
        why = std::strerror(errno);
        ok = false;
    }
    if (ok)
        return NewFile::kWritten;
    ::unlink(path.c_str());
    return NewFile::kFailed;
}

bool ReplaceWithTemporary(const std::string& temporary, const std::string& path, std::string& why) {
    if (::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    why = std::strerror(errno);
    return false;
}

void RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
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
    if (::mkdir(path.c_str(), 0777) == 0)
        return true;
    const int reason = errno;
    if (FolderExists(path))
        return true;
    errno = reason;
    return false;
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

std::string LastErrorText() {
    return std::strerror(errno);
}

}  // namespace platform
