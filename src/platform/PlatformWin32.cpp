// Win32 implementation of the file, folder and working-directory parts of the seam. Every call
// uses the narrow ("A") forms: paths are in the system code page.
#include <windows.h>

#include <string>
#include <utility>

#include "platform/Platform.h"

namespace platform {

namespace {

std::string SystemText(DWORD code) {
    char* text = nullptr;
    const DWORD n =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string out = n > 0 && text ? std::string(text, n) : "error " + std::to_string(code);
    ::LocalFree(text);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' ' || out.back() == '.'))
        out.pop_back();
    return out;
}

// Opens for reading; a device or pipe ("CON", "\\.\pipe\...") is refused with `why`.
HANDLE OpenRegularFile(const std::string& path, DWORD sharing, std::string& why) {
    HANDLE file =
        ::CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = SystemText(::GetLastError());
        return file;
    }
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        why = "it is a device or a pipe, not a regular file";
        ::CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

}  // namespace

MappedFile::MappedFile(const std::string& path) {
    HANDLE file = OpenRegularFile(path, FILE_SHARE_READ, failure_);
    if (file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size)) {
        failure_ = SystemText(::GetLastError());
    } else if (size.QuadPart == 0) {
        failure_ = "the file is empty";
    } else if (uint64_t(size.QuadPart) > SIZE_MAX) {
        failure_ = "the file is too large to map";
    } else {
        HANDLE mapping = ::CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        void* view = mapping ? ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
        if (view) {
            data_ = static_cast<const uint8_t*>(view);
            size_ = static_cast<size_t>(size.QuadPart);
            handle_ = reinterpret_cast<intptr_t>(mapping);
        } else {
            failure_ = SystemText(::GetLastError());
            if (mapping)
                ::CloseHandle(mapping);
        }
    }
    ::CloseHandle(file);  // the mapping keeps the file open
}

// A mapped file cannot be cut shorter on Windows (the system refuses with ERROR_USER_MAPPED_FILE).
bool MappedFile::Shrank() const {
    return false;
}

void MappedFile::Unmap() {
    if (data_)
        ::UnmapViewOfFile(data_);
    if (handle_)
        ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

void MappedFile::DropPages(size_t offset, size_t length) const {
    // Unlocking pages that are not locked drops them from the working set (documented behaviour).
    ::VirtualUnlock(const_cast<uint8_t*>(data_ + offset), length);
}

bool ReadWholeFile(const std::string& path, std::string& out, uint64_t maxBytes) {
    std::string why;
    HANDLE file = OpenRegularFile(path, FILE_SHARE_READ | FILE_SHARE_WRITE, why);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    out.clear();
    char buffer[65536];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &read, nullptr) != 0) && read > 0) {
        if (uint64_t(out.size()) + read > maxBytes) {
            ok = false;
            break;
        }
        out.append(buffer, read);
    }
    ::CloseHandle(file);
    return ok;
}

FileCheck CheckRegularFile(const std::string& path, uint64_t maxBytes, std::string& why) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD code = ::GetLastError();
        why = SystemText(code);
        return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? FileCheck::kMissing : FileCheck::kRefused;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        why = "it is a folder, not a file";
        return FileCheck::kRefused;
    }
    const uint64_t size = uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    if (size > maxBytes) {
        why = TooLargeText(size, maxBytes);
        return FileCheck::kRefused;
    }
    return FileCheck::kRegular;
}

bool CheckReplaceable(const std::string& path, std::string& why) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        why = "it is a folder, not a file";
    else if (attributes & FILE_ATTRIBUTE_READONLY)
        why = "the file is read-only";
    else
        return true;
    ::SetLastError(ERROR_ACCESS_DENIED);  // for callers that only see a false further up
    return false;
}

NewFile WriteNewFile(const std::string& path, const void* data, size_t size, std::string& why) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
            return NewFile::kTaken;
        why = SystemText(code);
        return NewFile::kFailed;
    }
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
    if (!ok)
        why = SystemText(::GetLastError());
    if (!::CloseHandle(file) && ok) {
        why = SystemText(::GetLastError());
        ok = false;
    }
    if (ok)
        return NewFile::kWritten;
    ::DeleteFileA(path.c_str());
    return NewFile::kFailed;
}

bool ReplaceWithTemporary(const std::string& temporary, const std::string& path, std::string& why) {
    if (::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    why = SystemText(::GetLastError());
    return false;
}

void RemoveFile(const std::string& path) {
    ::DeleteFileA(path.c_str());
}

std::string LastErrorText() {
    return SystemText(::GetLastError());
}

bool PathExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolder(const std::string& path) {
    if (::CreateDirectoryA(path.c_str(), nullptr))
        return true;
    const DWORD reason = ::GetLastError();
    if (FolderExists(path))
        return true;
    ::SetLastError(reason);
    return false;
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
