#include "Checks.h"

#include "Files.h"
#include "Report.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace tk {
namespace {

const char* const kSettingsSections[] = {"SkinSetting", "PlFont",    "PlTextColor", "MbTextColor", "NumTextColor",
                                         "TextColor",   "SkinColor", "VisColor",    "MARON",       "SexyFont"};

std::vector<IniSection> SettingsOnly(const std::vector<IniSection>& ini) {
    std::vector<IniSection> kept;
    for (const IniSection& section : ini) {
        for (const char* name : kSettingsSections) {
            if (lstrcmpiA(section.name.c_str(), name) == 0)
                kept.push_back(section);
        }
    }
    return kept;
}

std::string FirstDifference(const std::vector<IniSection>& got, const std::vector<IniSection>& expected) {
    for (size_t s = 0; s < got.size() || s < expected.size(); ++s) {
        if (s >= got.size())
            return "section [" + expected[s].name + "] missing";
        if (s >= expected.size())
            return "extra section [" + got[s].name + "]";
        if (got[s].name != expected[s].name)
            return "section " + Format("%zu", s) + " is [" + got[s].name + "], expected [" + expected[s].name + "]";
        const auto& gotKeys = got[s].keys;
        const auto& expectedKeys = expected[s].keys;
        for (size_t k = 0; k < gotKeys.size() || k < expectedKeys.size(); ++k) {
            const std::string where = "[" + got[s].name + "] line " + Format("%zu", k + 1);
            if (k >= gotKeys.size())
                return where + ": " + expectedKeys[k].first + " missing";
            if (k >= expectedKeys.size())
                return where + ": extra " + gotKeys[k].first;
            if (gotKeys[k] != expectedKeys[k])
                return where + ": got " + gotKeys[k].first + "=" + gotKeys[k].second + " expected " +
                       expectedKeys[k].first + "=" + expectedKeys[k].second;
        }
    }
    return {};
}

}  // namespace

bool CheckSameSettings(const std::string& gotIni,
                       const std::string& expectedIni,
                       const std::string& name,
                       Order order) {
    std::vector<IniSection> expected = SettingsOnly(ReadIni(expectedIni));
    if (expected.empty())
        return Check(false, name, "no settings in " + expectedIni);
    std::vector<IniSection> got = SettingsOnly(ReadIni(gotIni));
    if (order == Order::kAny) {
        for (auto* sections : {&got, &expected}) {
            std::sort(sections->begin(), sections->end(),
                      [](const IniSection& a, const IniSection& b) { return a.name < b.name; });
            for (IniSection& section : *sections)
                std::sort(section.keys.begin(), section.keys.end());
        }
    }
    const std::string difference = FirstDifference(got, expected);
    return Check(difference.empty(), name, difference);
}

bool CheckSameFolder(const std::string& gotFolder, const std::string& expectedFolder, const std::string& name) {
    const std::vector<std::string> got = ListFiles(gotFolder);
    const std::vector<std::string> expected = ListFiles(expectedFolder);
    if (expected.empty())
        return Check(false, name, "nothing in " + expectedFolder);
    std::string gotNames, expectedNames;
    for (const std::string& file : got)
        gotNames += file + " ";
    for (const std::string& file : expected)
        expectedNames += file + " ";
    if (got != expected)
        return Check(false, name, "files " + gotNames + "expected " + expectedNames);
    for (const std::string& file : expected) {
        std::string a, b;
        ReadWholeFile(Join(gotFolder, file), a);
        ReadWholeFile(Join(expectedFolder, file), b);
        if (a == b)
            continue;
        size_t at = 0;
        while (at < a.size() && at < b.size() && a[at] == b[at])
            ++at;
        return Check(false, name,
                     Format("%s differs: %zu bytes, expected %zu; first difference at byte %zu", file.c_str(), a.size(),
                            b.size(), at));
    }
    return Check(true, name);
}

}  // namespace tk
