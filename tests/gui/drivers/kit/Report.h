// Reporting of the drivers: one line per check ("ok - ..." or "not ok - ... got X expected Y"),
// a summary line per driver, and known failures of the program marked todo-style.
#pragma once

#include <initializer_list>
#include <string>

namespace tk {

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(gnu_printf, 1, 2)));

// Starts a driver: remembers the group name, reads the --key=value arguments and checks first of
// all that the system code page is 932, without which every text check would be meaningless.
void Begin(const char* group, int argc, char** argv);
// The value of --key=value, or "" when absent.
std::string Arg(const char* key);

// Prints "ok - name" or "not ok - name: detail"; returns cond.
bool Check(bool cond, const std::string& name, const std::string& detail = {});
bool CheckEq(long long got, long long expected, const std::string& name);
bool CheckEq(const std::string& got, const std::string& expected, const std::string& name);

// A known failure of the program: while it fails it is counted apart (as skipped) with the reason;
// once it passes it is reported as a failure, so that the marker is removed.
bool Todo(bool cond, const std::string& name, const std::string& why, const std::string& detail = {});
bool TodoEq(long long got, long long expected, const std::string& name, const std::string& why);
bool TodoEq(const std::string& got, const std::string& expected, const std::string& name, const std::string& why);

// A diagnostic line ("# ...").
void Note(const std::string& text);

// Names the case whose checks follow; their names are prefixed with it.
class CaseScope {
  public:
    explicit CaseScope(const std::string& name);
    ~CaseScope();
    CaseScope(const CaseScope&) = delete;
    CaseScope& operator=(const CaseScope&) = delete;

  private:
    std::string m_previous;
};

// Prints "group: N passed, N failed, N skipped" and returns the driver's exit code.
int Finish();

// A whole driver whose cases need nothing from each other: Begin, every case in order, Finish.
int RunCases(const char* group, int argc, char** argv, std::initializer_list<void (*)()> cases);

}  // namespace tk
