#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/SkinFiles.h"
#include "cli/SkinFolderPath.h"
#include "picture/DibBuffer.h"
#include "platform/Platform.h"
#include "writer/SaveSkin.h"

#ifdef TOLVARIN_HAVE_WSZ
#include "cli/WszArchive.h"
#endif

namespace {

// Skin files of an earlier save stay (they may be the user's own), but the player would take them
// for this skin's: they are named.
void WarnOfLeftovers(const std::string& folder, const std::vector<SkinFile>& written, bool archived) {
    const std::vector<std::string> leftovers = LeftoverSkinFiles(folder, written);
    if (leftovers.empty())
        return;
    std::string names;
    for (const std::string& name : leftovers)
        names += (names.empty() ? "" : ", ") + name;
    ReportError("warning: " + Quoted(folder) + " still holds " + names +
                " from an earlier skin; this make did not write them" +
                (archived ? ", nor put them in the archive" : "") + ", and the player will use them");
}

}  // namespace

int RunMake(const CommandLine& line) {
    const std::string folder = WithoutTrailingSeparators(line.files[1]);

    // The picture is read before anything is created, so a bad picture leaves no empty folder.
    SkinInputs in;
    if (!LoadRequestedInputs(line, in))
        return kExitFailure;
    if (!platform::CreateFolders(folder)) {
        ReportError("cannot create the skin folder " + Quoted(folder) + ": " + platform::LastErrorText());
        return kExitFailure;
    }
    // Every file is made in memory first and then put in place with the others, so that a failure
    // leaves the folder as it was instead of half of one skin and half of another.
    std::vector<SkinFile> files;
    if (!SaveSkinFolder(folder, in.settings, in.fit232, in.fit116, LoadTemplate, line.mode, GatherInto(files))) {
        ReportError("could not make the skin for " + Quoted(folder));
        return kExitFailure;
    }
    std::vector<SkinFile> placed;
    for (const SkinFile& file : files)
        placed.push_back({folder + "/" + file.name, file.bytes});
#ifdef TOLVARIN_HAVE_WSZ
    if (line.writeWsz) {
        std::string problem;
        SkinFile archive{WszPathFor(folder, problem), {}};
        if (archive.name.empty() || !PackWszArchive(files, archive.bytes, problem)) {
            ReportError("cannot make the archive of " + Quoted(folder) + ": " + problem);
            return kExitFailure;
        }
        placed.push_back(std::move(archive));
    }
#endif
    std::string failed, why;
    if (!PutInPlaceTogether(placed, failed, why)) {
        ReportError("cannot write " + Quoted(failed) + ": " + why + "; no file of the skin was replaced");
        return kExitFailure;
    }
    WarnOfLeftovers(folder, files, line.writeWsz);
    return kExitDone;
}
