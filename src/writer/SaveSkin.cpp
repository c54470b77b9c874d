#include "writer/SaveSkin.h"

#include "gen/writer_texts.h"
#include "platform/Platform.h"
#include "writer/SkinWriter.h"

int SaveSkinFolder(const std::string& folder,
                   const SkinSettings& settings,
                   const DibBuffer& fit232,
                   const DibBuffer& fit116,
                   const TemplateSource& templates,
                   SkinMode mode,
                   const SkinFileSink& sink) {
    // Without the previous working directory it could not be put back afterwards.
    const std::string previous = platform::GetWorkingDirectory();
    if (previous.empty()) {
        platform::ShowMessage(kWorkingFolderUnknown);
        return 0;
    }
    SkinWriter writer(settings, fit232, fit116, templates, mode, sink);
    if (!writer.IsReady()) {
        platform::ShowMessage(kSaveOutOfMemory);
        return 0;
    }
    if (folder.empty() || !platform::CreateFolder(folder) || !platform::SetWorkingDirectory(folder)) {
        std::string message(kSkinFolderFailedBefore);
        message += folder;
        message += kSkinFolderFailedAfter;
        platform::ShowMessage(message);
        return 0;
    }
    const int written = writer.WriteSkinFiles();
    platform::SetWorkingDirectory(previous);
    return written;
}
