#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "FolderCheck.h"
#include "Sha256.h"
#include "picture/OpenPicture.h"
#include "settings/Profile.h"
#include "writer/SaveSkin.h"

namespace oracle {

namespace {

namespace fs = std::filesystem;

// "NAME SIZE SHA256" per file, sorted by name, as update.sh writes it.
std::string ManifestOf(const std::string& folder) {
    std::string manifest;
    for (const std::string& name : ListFolder(folder)) {
        const std::string bytes = ReadFileBytes(fs::path(folder) / name);
        manifest += name + " " + std::to_string(bytes.size()) + " " + Sha256Hex(bytes) + "\n";
    }
    return manifest;
}

// The names whose lines differ between two manifests, or that only one of them lists.
std::string ChangedFiles(const std::string& expected, const std::string& actual) {
    auto lines = [](const std::string& manifest) {
        std::map<std::string, std::string> byName;
        std::istringstream in(manifest);
        for (std::string line; std::getline(in, line);)
            byName[line.substr(0, line.find(' '))] = line;
        return byName;
    };
    const auto e = lines(expected), a = lines(actual);
    std::string changed;
    for (const auto& [name, line] : e) {
        if (!a.count(name) || a.at(name) != line)
            changed += name + " ";
    }
    for (const auto& [name, line] : a) {
        if (!e.count(name))
            changed += name + " ";
    }
    return changed;
}

TEST(Golden, Sha256OfKnownTexts) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex(std::string(1000, 'a')), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3");
}

// The sample picture saved as a skin, with the defaults and with the committed profile, gives
// exactly the files of the manifests (and of the model). After a deliberate change of the art, run
// update.sh.
TEST(Golden, SampleSkinsMatchTheirManifests) {
    DibBuffer fit232, fit116;
    ASSERT_EQ(OpenAndFitPicture(TOLVARIN_SAMPLE_PICTURE, fit232, fit116), 1);
    struct Row {
        const char* manifest;
        const char* profile;  // nullptr: the defaults
    };
    const Row rows[] = {{"default.manifest", nullptr}, {"profile.manifest", "profile.ini"}};
    ScratchFolder scratch("oracle");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.manifest);
        SkinSettings settings = SettingsDefaults;
        if (row.profile) {
            ASSERT_TRUE(fs::exists(fs::path(TOLVARIN_GOLDEN_FOLDER) / row.profile));
            ASSERT_TRUE(LoadSkinSettingsFile((fs::path(TOLVARIN_GOLDEN_FOLDER) / row.profile).string(), settings));
        }
        const std::string folder = scratch.FreshFolder();
        ASSERT_EQ(SaveSkinFolder(folder, settings, fit232, fit116), 1);
        const std::string expected = ReadFileBytes(fs::path(TOLVARIN_GOLDEN_FOLDER) / row.manifest);
        EXPECT_EQ(ChangedFiles(expected, ManifestOf(folder)), "")
            << "after a deliberate change of the art, run tests/oracle/golden/update.sh";
        ExpectFolderMatches(ExpectedSkinFolder(settings, fit232, fit116), folder);
    }
}

}  // namespace

}  // namespace oracle
