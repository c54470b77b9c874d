#include "Remote.h"

#include "Wait.h"

#include <psapi.h>

#include <algorithm>
#include <vector>

namespace tk {

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : m_process(process), m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteBuffer::~RemoteBuffer() {
    if (m_address)
        VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
}

bool RemoteBuffer::write(const void* data, size_t size, size_t offset) {
    SIZE_T written = 0;
    return m_address && WriteProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size, &written) &&
           written == size;
}

bool RemoteBuffer::read(void* data, size_t size, size_t offset) const {
    SIZE_T got = 0;
    return m_address && ReadProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size, &got) &&
           got == size;
}

bool run_remote(HANDLE process, const void* function, void* parameter, DWORD* exitCode) {
    HANDLE thread =
        CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(const_cast<void*>(function)),
                           parameter, 0, nullptr);
    if (!thread)
        return false;
    const bool finished = wait_object(thread, kDefaultWait);
    if (finished && exitCode)
        GetExitCodeThread(thread, exitCode);
    CloseHandle(thread);
    return finished;
}

namespace {

HMODULE FindRemoteModule(HANDLE process, const std::string& path) {
    std::vector<HMODULE> modules(1024);
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed))
        return nullptr;
    const size_t count = std::min<size_t>(needed / sizeof(HMODULE), modules.size());
    for (size_t i = 0; i < count; ++i) {
        char name[MAX_PATH] = "";
        if (GetModuleFileNameExA(process, modules[i], name, MAX_PATH) && lstrcmpiA(name, path.c_str()) == 0)
            return modules[i];
    }
    return nullptr;
}

}  // namespace

const void* remote_export(HANDLE process, const std::string& dllPath, const char* name) {
    HMODULE local = LoadLibraryA(dllPath.c_str());
    if (!local)
        return nullptr;
    const auto* localExport = reinterpret_cast<const char*>(GetProcAddress(local, name));
    if (!localExport)
        return nullptr;
    HMODULE remote = FindRemoteModule(process, dllPath);
    if (!remote) {
        RemoteBuffer path(process, dllPath.size() + 1);
        const void* loadLibrary =
            reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA"));
        if (!path.write(dllPath.c_str(), dllPath.size() + 1) || !run_remote(process, loadLibrary, path.address()))
            return nullptr;
        remote = FindRemoteModule(process, dllPath);
        if (!remote)
            return nullptr;
    }
    // The export lies at the same offset from the module's base in both processes.
    return reinterpret_cast<const char*>(remote) + (localExport - reinterpret_cast<const char*>(local));
}

}  // namespace tk
