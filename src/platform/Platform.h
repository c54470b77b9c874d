// The small seam between the portable core and the operating system: file mapping, whole-file
// reads and atomic writes, folders, the working directory, the user-visible message sink and the
// wait cursor. Paths are byte strings in the system's narrow encoding (code page 932 on Windows)
// and are never reinterpreted here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// A read-only view of a whole file. Empty when the file cannot be opened or mapped (an empty file
// also gives an empty view).
class MappedFile {
  public:
    MappedFile() = default;
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;

    bool IsOpen() const { return data_ != nullptr; }
    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

    // Tells the system that [offset, offset + length) will not be read again, so that its pages can
    // leave the resident set. Reading the range afterwards is still valid; it just maps in again.
    void Discard(size_t offset, size_t length) const;

  private:
    void Close();

    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    intptr_t handle_ = 0;  // mapping handle where the system has one
};

// Reads a whole file into out; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& out);

// Writes size bytes as the whole content of path: first into a temporary file beside it, then
// renamed over path, so that path holds either its old content or the new one, never a part.
bool WriteFileAtomically(const std::string& path, const void* data, size_t size);

// True when anything (a file or a folder) has that name; tells a missing file from an unreadable one.
bool PathExists(const std::string& path);
bool FolderExists(const std::string& path);
// Creates one folder; true when it exists afterwards (also when it existed before).
bool CreateFolder(const std::string& path);
// Creates a folder and any missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& path);

// Empty when the working directory cannot be determined.
std::string GetWorkingDirectory();
bool SetWorkingDirectory(const std::string& path);

// The texts the program shows the user (code page 932). The shell routes them to message boxes,
// the command line to standard error; the default sink writes to standard error unchanged.
using MessageSink = std::function<void(std::string_view cp932Text)>;
void SetMessageSink(MessageSink sink);
void ShowMessage(std::string_view cp932Text);
// A few texts come in the system's plain box instead: no owner window, no caption of the program's,
// an OK button. The shell installs that box; where none is installed (the command line, tests) they
// go to the message sink like the rest.
void SetPlainMessageSink(MessageSink sink);
void ShowPlainMessage(std::string_view cp932Text);

// Shows the busy cursor for the lifetime of the object. Nests; the shell installs the real cursor
// calls, elsewhere it does nothing.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
void SetWaitCursorHooks(std::function<void()> begin, std::function<void()> end);

}  // namespace platform
