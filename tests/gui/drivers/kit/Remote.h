// Memory in the program's address space, for messages that carry a pointer (WM_DROPFILES,
// TB_GETBUTTON, ...) and for the request of the menu probe. Messages carrying text or handles are
// marshalled by the system and need none of this.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace tk {

class RemoteBuffer {
  public:
    RemoteBuffer(HANDLE process, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Ok() const { return m_address != nullptr; }
    void* Address() const { return m_address; }
    bool Write(const void* data, size_t size, size_t offset = 0);
    bool Read(void* data, size_t size, size_t offset = 0) const;
    // Leaves the memory to the program (it may still use it after the driver is done with it).
    void Release() { m_address = nullptr; }

  private:
    HANDLE m_process;
    void* m_address;
};

// Runs function(parameter) on a new thread of the program and waits for it; false on failure or timeout.
bool RunRemote(HANDLE process, const void* function, void* parameter, DWORD* exitCode = nullptr);

// The address in the program of a function that the driver has loaded too: the same offset from
// the base of the module of the same file. A module need not lie at the same base in both
// processes, so the driver's own address (of LoadLibraryA, of a probe) is never passed on as it is.
// Null with the reason in problem when the program has not loaded that module.
const void* RemoteAddress(HANDLE process, const void* local, std::string& problem);

// Loads the DLL at dllPath into the program (once) and returns the address of its export `name`
// there; null with the reason in problem.
const void* RemoteExport(HANDLE process, const std::string& dllPath, const char* name, std::string& problem);

}  // namespace tk
