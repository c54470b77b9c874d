#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/StandardStreams.h"
#include "compose/Compose.h"
#include "compose/PreviewImage.h"
#include "compose/SkinCanvases.h"
#include "platform/Platform.h"
#include "writer/BitmapFile.h"

int RunPreview(const CommandLine& line) {
    const std::string& picture = line.files[0];
    const std::string& target = line.files[1];

    SkinInputs in;
    if (!LoadRequestedInputs(line, in))
        return kExitFailure;

    // The steps of opening a picture in the Windows program, then its preview panel's layout.
    SkinCanvases canvases;
    DibBuffer preview;
    BitmapImage file;
    bool composed = canvases.Allocate();
    if (composed) {
        BuildTemplates(in.settings, canvases, LoadTemplate, line.mode);
        ComposeSkin(in.settings, in.fit232, in.fit116, canvases, LoadTemplate, line.mode);
        composed = ComposePreviewImage(in.settings, canvases, true, preview) && EncodeBitmap24(preview, file);
    }
    if (!composed) {
        ReportError("cannot compose the preview of " + Quoted(picture) + " (out of memory)");
        return kExitFailure;
    }
    std::string why;
    if (target == kStandardStream ? !WriteStandardOutput(file.Data(), file.Size(), why)
                                  : !platform::WriteFileAtomically(target, file.Data(), file.Size(), &why)) {
        ReportError("cannot write the preview " + Quoted(target) + ": " + why);
        return kExitFailure;
    }
    return kExitDone;
}
