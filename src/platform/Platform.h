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

// A read-only view of a whole regular file. Empty when the file cannot be opened or mapped, is not a
// regular file (a FIFO, a device, a folder), or is empty; Failure() then says why.
//
// A file that shrinks while it is mapped (a download still being written, a network share) must
// not kill the process: where the system would raise a signal for the pages that no longer exist,
// they read as zeros instead and Shrank() becomes true. A reader checks it after its last read and
// refuses what it read.
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

    const std::string& Failure() const { return failure_; }
    bool Shrank() const;

    // Tells the system that [offset, offset + length) will not be read again, so that its pages can
    // leave the resident set. Reading the range afterwards is still valid; it just maps in again.
    void Discard(size_t offset, size_t length) const;

  private:
    void Close();
    // The system's halves of Close and Discard; DropPages gets a range that lies inside the file.
    void Unmap();
    void DropPages(size_t offset, size_t length) const;

    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    intptr_t handle_ = 0;  // mapping handle where the system has one; elsewhere its guard's number
    std::string failure_;
};

// Reads a whole regular file into out; false when it cannot be opened or read, is not a regular
// file, or holds more than maxBytes (it is never read further than that).
bool ReadWholeFile(const std::string& path, std::string& out, uint64_t maxBytes = UINT64_MAX);

enum class FileCheck { kRegular, kMissing, kRefused };
// Whether path (links followed) names a regular file of at most maxBytes; otherwise `why` says,
// in words for a message, what it is instead or the system's reason ("Permission denied", "Too
// many levels of symbolic links").
FileCheck CheckRegularFile(const std::string& path, uint64_t maxBytes, std::string& why);

// path + ".tmp~" + random letters (used by WriteTemporaryBeside); "it holds N bytes, more than..."
std::string TemporaryNameBeside(const std::string& path);
std::string TooLargeText(uint64_t size, uint64_t maxBytes);

// The system's reason for the last failed call of this seam, in words for a message; read it
// right after the failure.
std::string LastErrorText();

// Writes size bytes as the whole content of path: first into a temporary file beside it, then
// renamed over path, so that path holds either its old content or the new one, never a part. A
// folder, a device or a read-only file of that name is kept (and refused). On false, `why` (when
// given) has the reason.
bool WriteFileAtomically(const std::string& path, const void* data, size_t size, std::string* why = nullptr);

// The steps of WriteFileAtomically, for callers that replace several files together.
// True when path may be replaced: nothing has that name, or a writable regular file (a link is
// judged by what it points to, and replaced itself); false with `why` otherwise.
bool CheckReplaceable(const std::string& path, std::string& why);
// Writes the data into a new file beside path, created exclusively under an unpredictable name
// (never through a link or a file planted there). Its name, or empty with `why`.
std::string WriteTemporaryBeside(const std::string& path, const void* data, size_t size, std::string& why);
// WriteTemporaryBeside's system half: creates path only if nothing has that name (never through a
// link), writes the data and closes it. kTaken when the name is taken; on kFailed nothing is left
// and `why` has the reason.
enum class NewFile { kWritten, kTaken, kFailed };
NewFile WriteNewFile(const std::string& path, const void* data, size_t size, std::string& why);
// Renames the temporary file over path in one step.
bool ReplaceWithTemporary(const std::string& temporary, const std::string& path, std::string& why);
void RemoveFile(const std::string& path);

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
