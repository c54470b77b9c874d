#include "Report.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>

namespace tk {
namespace {

std::string g_group;
std::string g_case;
std::map<std::string, std::string> g_args;
int g_passed = 0;
int g_failed = 0;
int g_todo = 0;

std::string FullName(const std::string& name) {
    return g_case.empty() ? name : g_case + ": " + name;
}

std::string Quoted(const std::string& text) {
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

}  // namespace

std::string Format(const char* fmt, ...) {
    char buffer[2048];
    va_list args;
    va_start(args, fmt);
    vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    return buffer;
}

void Begin(const char* group, int argc, char** argv) {
    g_group = group;
    setvbuf(stdout, nullptr, _IONBF, 0);
    for (int i = 1; i < argc; ++i) {
        const std::string text = argv[i];
        if (text.compare(0, 2, "--") != 0)
            continue;
        const size_t equals = text.find('=');
        if (equals == std::string::npos)
            g_args.emplace(text.substr(2), "1");
        else
            g_args.emplace(text.substr(2, equals - 2), text.substr(equals + 1));
    }
    CheckEq(GetACP(), 932, "system code page is 932 (LC_ALL=ja_JP.UTF-8)");
}

std::string Arg(const char* key) {
    auto found = g_args.find(key);
    return found == g_args.end() ? std::string() : found->second;
}

bool Check(bool cond, const std::string& name, const std::string& detail) {
    if (cond) {
        ++g_passed;
        std::printf("ok - %s\n", FullName(name).c_str());
    } else {
        ++g_failed;
        std::printf("not ok - %s%s%s\n", FullName(name).c_str(), detail.empty() ? "" : ": ", detail.c_str());
    }
    return cond;
}

bool CheckEq(long long got, long long expected, const std::string& name) {
    return Check(got == expected, name, Format("got %lld expected %lld", got, expected));
}

bool CheckEq(const std::string& got, const std::string& expected, const std::string& name) {
    return Check(got == expected, name, "got " + Quoted(got) + " expected " + Quoted(expected));
}

bool Todo(bool cond, const std::string& name, const std::string& why, const std::string& detail) {
    if (cond) {
        ++g_failed;
        std::printf("not ok - %s # TODO passed unexpectedly, remove the known-failure mark (%s)\n",
                    FullName(name).c_str(), why.c_str());
    } else {
        ++g_todo;
        std::printf("not ok - %s # TODO %s%s%s\n", FullName(name).c_str(), why.c_str(), detail.empty() ? "" : ": ",
                    detail.c_str());
    }
    return cond;
}

bool TodoEq(long long got, long long expected, const std::string& name, const std::string& why) {
    return Todo(got == expected, name, why, Format("got %lld expected %lld", got, expected));
}

bool TodoEq(const std::string& got, const std::string& expected, const std::string& name, const std::string& why) {
    return Todo(got == expected, name, why, "got " + Quoted(got) + " expected " + Quoted(expected));
}

void Note(const std::string& text) {
    std::printf("# %s\n", FullName(text).c_str());
}

CaseScope::CaseScope(const std::string& name) : m_previous(g_case) {
    g_case = name;
}

CaseScope::~CaseScope() {
    g_case = m_previous;
}

int Finish() {
    std::printf("%s: %d passed, %d failed, %d skipped\n", g_group.c_str(), g_passed, g_failed, g_todo);
    return g_failed == 0 ? 0 : 1;
}

int RunCases(const char* group, int argc, char** argv, std::initializer_list<void (*)()> cases) {
    Begin(group, argc, argv);
    for (void (*run)() : cases)
        run();
    return Finish();
}

}  // namespace tk
