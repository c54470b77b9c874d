#include "Process.h"

#include "Wait.h"

#include <vector>

namespace tk {
namespace {

HANDLE Job() {
    static HANDLE job = [] {
        HANDLE created = CreateJobObjectA(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return created;
    }();
    return job;
}

}  // namespace

Proc::~Proc() {
    if (m_process)
        CloseHandle(m_process);
}

bool Proc::Start(const std::string& exe, const std::string& args, const std::string& cwd) {
    std::string line = "\"" + exe + "\"";
    if (!args.empty())
        line += " " + args;
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        cwd.empty() ? nullptr : cwd.c_str(), &startup, &info))
        return false;
    AssignProcessToJobObject(Job(), info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    if (m_process)
        CloseHandle(m_process);
    m_process = info.hProcess;
    m_pid = info.dwProcessId;
    return true;
}

bool Proc::WaitExit(DWORD ms) {
    return m_process && WaitObject(m_process, ms);
}

bool Proc::Running() const {
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

DWORD Proc::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_process)
        GetExitCodeProcess(m_process, &code);
    return code;
}

void Proc::Kill() {
    if (Running()) {
        TerminateProcess(m_process, 99);
        WaitForSingleObject(m_process, 5000);
    }
}

}  // namespace tk
