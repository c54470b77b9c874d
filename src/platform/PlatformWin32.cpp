// Win32 implementation of the file, folder and working-directory parts of the seam. Every call
// uses the narrow ("A") forms: paths are in the system code page.
#include <windows.h>

#include <string>
#include <utility>

#include "platform/Platform.h"

namespace platform {

MappedFile::MappedFile(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file, &size) && size.QuadPart > 0 && uint64_t(size.QuadPart) <= SIZE_MAX) {
        HANDLE mapping = ::CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (mapping) {
            void* view = ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
            if (view) {
                data_ = static_cast<const uint8_t*>(view);
                size_ = static_cast<size_t>(size.QuadPart);
                handle_ = reinterpret_cast<intptr_t>(mapping);
            } else {
                ::CloseHandle(mapping);
            }
        }
    }
    ::CloseHandle(file);  // the mapping keeps the file open
}

void MappedFile::Close() {
    if (data_)
        ::UnmapViewOfFile(data_);
    if (handle_)
        ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    data_ = nullptr;
    size_ = 0;
    handle_ = 0;
}

void MappedFile::Discard(size_t offset, size_t length) const {
    if (!data_ || offset >= size_)
        return;
    if (length > size_ - offset)
        length = size_ - offset;
    // Unlocking pages that are not locked drops them from the working set (documented behaviour).
    ::VirtualUnlock(const_cast<uint8_t*>(data_ + offset), length);
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    out.clear();
    char buffer[65536];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &read, nullptr) != 0) && read > 0)
        out.append(buffer, read);
    ::CloseHandle(file);
    return ok;
}

bool WriteFileAtomically(const std::string& path, const void* data, size_t size) {
    const std::string temp = path + ".tmp~" + std::to_string(::GetCurrentProcessId());
    HANDLE file = ::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const char* p = static_cast<const char*>(data);
    size_t left = size;
    bool ok = true;
    while (ok && left > 0) {
        const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        ok = ::WriteFile(file, p, chunk, &written, nullptr) && written == chunk;
        p += written;
        left -= written;
    }
    // No flush: the rename already guarantees that a crash of the program or a full disk leaves
    // the old file or the new one, and a flush per file would triple the time of a skin save.
    ok = ::CloseHandle(file) && ok;
    if (ok && ::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileA(temp.c_str());
    return false;
}

bool PathExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolder(const std::string& path) {
    return ::CreateDirectoryA(path.c_str(), nullptr) || FolderExists(path);
}

bool CreateFolders(const std::string& path) {
    if (path.empty())
        return false;
    // Walk the separators with CharNextA: a '\\' byte can be the trail byte of a code page 932
    // character, which must not split the path.
    for (const char* p = path.c_str(); *p; p = ::CharNextA(p)) {
        if ((*p == '\\' || *p == '/') && p != path.c_str() && p[-1] != ':')
            CreateFolder(std::string(path.c_str(), p));
    }
    return CreateFolder(path);
}

std::string GetWorkingDirectory() {
    char buffer[MAX_PATH];
    const DWORD n = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

bool SetWorkingDirectory(const std::string& path) {
    return ::SetCurrentDirectoryA(path.c_str()) != 0;
}

}  // namespace platform
