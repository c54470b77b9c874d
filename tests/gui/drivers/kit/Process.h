// The program under test as a child process. Every process started here is put into one job that
// kills its members when the driver ends, however it ends (even by SIGKILL from `timeout`).
#pragma once

#include <windows.h>

#include <string>

namespace tk {

class Proc {
  public:
    Proc() = default;
    ~Proc();
    Proc(const Proc&) = delete;
    Proc& operator=(const Proc&) = delete;

    // Starts exe with the command-line tail args in folder cwd (suspended, put into the job, resumed).
    bool Start(const std::string& exe, const std::string& args, const std::string& cwd);
    bool WaitExit(DWORD ms = kWaitExit);
    bool Running() const;
    DWORD ExitCode() const;
    // Ends the process at once (only when a case has already failed and must not leak it).
    void Kill();

    DWORD Pid() const { return m_pid; }
    HANDLE Handle() const { return m_process; }

    static constexpr DWORD kWaitExit = 10000;

  private:
    HANDLE m_process = nullptr;
    DWORD m_pid = 0;
};

}  // namespace tk
