#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/SkinFolderPath.h"
#include "picture/DibBuffer.h"
#include "platform/Platform.h"
#include "writer/SaveSkin.h"

#ifdef TOLVARIN_HAVE_WSZ
#include "cli/WszArchive.h"
#endif

int RunMake(const CommandLine& line) {
    const std::string& picture = line.files[0];
    const std::string folder = WithoutTrailingSeparators(line.files[1]);

    SkinSettings settings;
    if (!LoadRequestedSettings(line, settings))
        return kExitFailure;

    // The picture is read before anything is created, so a bad picture leaves no empty folder.
    DibBuffer fit232;
    DibBuffer fit116;
    if (!OpenRequestedPicture(picture, fit232, fit116))
        return kExitFailure;
    if (!platform::CreateFolders(folder)) {
        ReportError("cannot create the skin folder " + Quoted(folder));
        return kExitFailure;
    }
    if (!SaveSkinFolder(folder, settings, fit232, fit116, LoadTemplate, line.mode)) {
        ReportError("could not write the skin into " + Quoted(folder));
        return kExitFailure;
    }
#ifdef TOLVARIN_HAVE_WSZ
    if (line.writeWsz) {
        const std::string archive = folder + ".wsz";
        std::string problem;
        if (!WriteWszArchive(folder, archive, problem)) {
            ReportError("cannot write the archive " + Quoted(archive) + ": " + problem);
            return kExitFailure;
        }
    }
#endif
    return kExitDone;
}
