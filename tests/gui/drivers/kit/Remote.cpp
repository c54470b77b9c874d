#include "Remote.h"

#include "Report.h"
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

bool RemoteBuffer::Write(const void* data, size_t size, size_t offset) {
    SIZE_T written = 0;
    return m_address && WriteProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size, &written) &&
           written == size;
}

bool RemoteBuffer::Read(void* data, size_t size, size_t offset) const {
    SIZE_T got = 0;
    return m_address && ReadProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size, &got) &&
           got == size;
}

bool RunRemote(HANDLE process, const void* function, void* parameter, DWORD* exitCode) {
    HANDLE thread =
        CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(const_cast<void*>(function)),
                           parameter, 0, nullptr);
    if (!thread)
        return false;
    const bool finished = WaitObject(thread, kDefaultWait);
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

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

}  // namespace

const void* RemoteAddress(HANDLE process, const void* local, std::string& problem) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(local), &module)) {
        problem = "no module of the driver holds the function";
        return nullptr;
    }
    const std::string path = ModulePath(module);
    HMODULE remote = path.empty() ? nullptr : FindRemoteModule(process, path);
    if (!remote) {
        problem = "the program has not loaded " + (path.empty() ? std::string("the driver's module") : path);
        return nullptr;
    }
    return reinterpret_cast<const char*>(remote) +
           (static_cast<const char*>(local) - reinterpret_cast<const char*>(module));
}

const void* RemoteExport(HANDLE process, const std::string& dllPath, const char* name, std::string& problem) {
    HMODULE local = LoadLibraryA(dllPath.c_str());
    if (!local) {
        problem = Format("the driver cannot load %s (error %lu)", dllPath.c_str(), GetLastError());
        return nullptr;
    }
    const void* localExport = reinterpret_cast<const void*>(GetProcAddress(local, name));
    if (!localExport) {
        problem = dllPath + " exports no " + name + " (a stdcall name decorated with @N?)";
        return nullptr;
    }
    if (!FindRemoteModule(process, ModulePath(local))) {
        const void* loadLibrary = RemoteAddress(
            process, reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")),
            problem);
        if (!loadLibrary)
            return nullptr;
        RemoteBuffer path(process, dllPath.size() + 1);
        if (!path.Write(dllPath.c_str(), dllPath.size() + 1) || !RunRemote(process, loadLibrary, path.Address())) {
            problem = "LoadLibraryA did not run in the program";
            return nullptr;
        }
    }
    return RemoteAddress(process, localExport, problem);
}

}  // namespace tk
