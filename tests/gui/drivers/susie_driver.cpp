// The image plug-in host in the program: which plug-ins the folder text loads and in what order,
// the messages of a failed load (exact texts, no owner, before the main window), the open dialog's
// formats, which plug-in reads a file (load order, refusals and failures falling through, the
// bitmap reader last, none after a plug-in delivered), and the program's own plug-in giving the
// very skins `tolvarin make` gives for PNG and JPEG.
#include "Kit.h"
#include "SusieCases.h"
#include "resource.h"

#include <functional>

using namespace tk;

namespace {

// The open dialog's file types with no plug-in.
const std::vector<std::string> kBitmapOnly = Types({});

struct Expected {
    std::string pluginPath;  // the INI's value; "<none>" for no INI at all
    std::vector<Message> messages;
    std::vector<std::string> types;
};

struct LoadCase {
    const char* name;
    std::function<Expected(const CaseDir&)> setUp;
};

void CheckLoading(const LoadCase& loadCase) {
    CaseScope scope(loadCase.name);
    CaseDir dir = MakeCase(std::string("load-") + loadCase.name);
    const Expected expected = loadCase.setUp(dir);
    if (expected.pluginPath != "<none>")
        WriteWholeFile(dir.ini, PluginIni(expected.pluginPath));
    Proc proc;
    if (!Check(proc.Start(dir.exe, "", dir.folder), "started"))
        return;
    HWND frame = nullptr;
    CheckEq(Joined(StartupMessages(proc, frame)), Joined(expected.messages), "messages in order");
    if (!Check(frame != nullptr, "main window appears", DescribeWindows(proc.Pid())))
        return;
    const bool fresh = expected.pluginPath == "<none>";
    CheckEq(Joined(OpenDialogTypes(proc.Pid(), frame, fresh ? "open-dialog-formats.bmp" : nullptr)),
            Joined(expected.types), "open dialog file types");
    PostCommand(frame, ID_APP_EXIT);
    Check(proc.WaitExit() && proc.ExitCode() == 0, "exits");
}

const std::vector<std::string> kOwnFormats = {
    "PNG file(*.png)", "JPEG file(*.jpg;*.jpeg;*.jpe;*.jfif)", "GIF file(*.gif)", "TGA file(*.tga)",
    "PSD file(*.psd)", "PNM file(*.pnm;*.ppm;*.pgm)",
};
const std::vector<std::string> kPairs = {"First pair(*.tpa)", "Second pair(*.tpb;*.tpc)"};

const LoadCase kLoadCases[] = {
    {"fresh install",
     [](const CaseDir& dir) {
         // Pictures beside it, so that the screenshot of the open dialog shows what the formats find.
         for (const char* picture : {"sample.png", "sample.jpg", "sample.bmp"})
             CopyFileTo(Join(Arg("data"), picture), Join(dir.folder, picture));
         return Expected{"<none>", {}, Types(kOwnFormats)};
     }},
    {"empty folder text",
     [](const CaseDir&) {
         return Expected{"", {}, kBitmapOnly};
     }},
    {"two folders in order",
     [](const CaseDir& dir) {
         const std::string a = PluginFolder(dir, "A", {"tp_pairs.spi"}), b = PluginFolder(dir, "B", {"tp_red.spi"});
         std::vector<std::string> formats = {"Red(*.tpx)"};
         formats.insert(formats.end(), kPairs.begin(), kPairs.end());
         return Expected{b + ";" + a, {}, Types(formats)};
     }},
    {"trailing backslash",
     [](const CaseDir& dir) {
         return Expected{PluginFolder(dir, "A", {"tp_pairs.spi"}) + "\\", {}, Types(kPairs)};
     }},
    {"pattern with another extension",
     [](const CaseDir& dir) {
         const std::string folder = PluginFolder(dir, "C", {"tp_red.spi=red.ifx", "tp_blue.spi"});
         return Expected{folder + "\\*.ifx", {}, Types({"Red(*.tpx)"})};
     }},
    {"dotted folder",
     [](const CaseDir& dir) {
         // "Susie.32" is the pattern "*.32" in the case folder: red.32 loads, the folder's blue does not.
         PluginFolder(dir, "Susie.32", {"tp_blue.spi"});
         CopyTestPlugin("tp_red.spi", Join(dir.folder, "red.32"));
         return Expected{Join(dir.folder, "Susie.32"), {}, Types({"Red(*.tpx)"})};
     }},
    {"empty entry",
     [](const CaseDir& dir) {
         // The empty entry is the root of the current drive, which holds no plug-in.
         const std::string a = PluginFolder(dir, "A", {"tp_pairs.spi"});
         return Expected{a + ";;", {{kFolderCaption, FolderNotFound("")}}, Types(kPairs)};
     }},
    {"folder without plug-ins",
     [](const CaseDir& dir) {
         const std::string empty = PluginFolder(dir, "empty", {});
         return Expected{empty, {{kFolderCaption, FolderNotFound(empty)}, {kLoadCaption, kNoPlugin}}, kBitmapOnly};
     }},
    {"library that does not load",
     [](const CaseDir& dir) {
         const std::string folder = PluginFolder(dir, "broken", {});
         WriteWholeFile(Join(folder, "broken.spi"), "not a library");
         return Expected{
             folder, {{kLoadCaption, LoadFailed(Join(folder, "broken.spi"))}, {kLoadCaption, kNoPlugin}}, kBitmapOnly};
     }},
    {"missing export and longer extension",
     [](const CaseDir& dir) {
         const std::string folder = PluginFolder(dir, "partial", {"tp_noexport.spi", "tp_red.spi=red.spix"});
         return Expected{folder, {{kLoadCaption, kNoPlugin}}, kBitmapOnly};
     }},
};

struct DecodeCase {
    const char* name;
    std::vector<std::vector<std::string>> folders;  // the plug-ins of each folder, in PluginPath order
    const char* file;                               // the grey-over-white bitmap is opened under this name
    const char* reading;                            // whose colours the preview shows (two-<reading>.bmp)
};

const DecodeCase kDecodeCases[] = {
    {"first loaded decodes", {{"tp_red.spi"}, {"tp_blue.spi"}}, "picture.tpx", "red"},
    {"load order decides", {{"tp_blue.spi"}, {"tp_red.spi"}}, "picture.tpx", "blue"},
    {"packed picture record", {{"tp_packed.spi"}, {"tp_red.spi"}}, "picture.tpx", "blue"},
    {"refusal and failure fall through", {{"tp_refuse.spi"}, {"tp_fail.spi"}, {"tp_blue.spi"}}, "picture.tpx", "blue"},
    {"extension ignores case", {{"tp_red.spi"}}, "PICTURE.TpX", "red"},
    {"second item of a second pair", {{"tp_pairs.spi"}}, "picture.tpc", "green"},
    {"top-down output", {{"tp_topdown.spi"}}, "picture.tpt", "yellow-magenta"},
    // The file itself: grey over white.
    {"unclaimed extension goes to the bitmap reader", {{"tp_red.spi"}}, "picture.tpz", "grey-white"},
    {"failure leaves the bitmap reader", {{"tp_fail.spi"}}, "picture.tpx", "grey-white"},
    {"no extension goes to the bitmap reader", {{"tp_red.spi"}}, "picture", "grey-white"},
};

void CheckDecoding(const DecodeCase& decodeCase) {
    CaseApp app(decodeCase.name, std::string("decode-") + decodeCase.name);
    std::string pluginPath;
    for (size_t i = 0; i < decodeCase.folders.size(); ++i)
        pluginPath += (i ? ";" : "") + PluginFolder(app.dir, Format("plugins%zu", i), decodeCase.folders[i]);
    WriteWholeFile(app.dir.ini, PluginIni(pluginPath));
    if (!app.Launch({app.Put("two-grey-white.bmp", decodeCase.file)}))
        return;
    CheckPreview(app, std::string("preview-two-") + decodeCase.reading + ".bmp", "preview shows the expected reading");
    app.Exit();
}

// Reads that end with nothing shown and no message: a plug-in that delivers decides the read, even
// when its picture cannot be converted (the bitmap reader, which would read the file, is not
// tried); a file another program holds shut is read by nobody.
void CheckSilentFailure(const char* name, const char* plugin, const char* file, bool held) {
    CaseApp app(name, std::string("silent-") + name);
    WriteWholeFile(app.dir.ini, PluginIni(PluginFolder(app.dir, "plugins", {plugin})));
    const std::string picture = app.Put("two-grey-white.bmp", file);
    HANDLE hold =
        held ? CreateFileA(picture.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : INVALID_HANDLE_VALUE;
    if (!app.Launch())
        return;
    Check(DropFiles(app.Process().Handle(), app.Frame(), {picture}), "file dropped");
    PostCommand(app.Frame(), ID_FILE_OPEN);  // answered only after the drop was handled
    HWND dialog = app.WaitDialog();
    Check(dialog && FileNameField(dialog), "no message box: the next window is the open dialog");
    CancelDialog(dialog);
    Check(!app.PictureShown(), "nothing opened");
    app.Exit();
    if (hold != INVALID_HANDLE_VALUE)
        CloseHandle(hold);
}

// The program's own plug-in and `tolvarin make` give the very same skin.
void CheckSameSkinAsCommandLine(const char* picture) {
    CaseApp app(std::string("skin of ") + picture, std::string("skin-") + picture);
    if (!app.Launch({app.Put(picture, picture)}, "frame appears without a message") ||
        !Check(WaitUntil([&] { return app.PictureShown(); }), "picture shown"))
        return;
    HWND dialog = app.OpenDialog(ID_FILE_SAVE_AS);
    Check(dialog && ChooseFile(dialog, Join(app.dir.folder, "Skin")) && WaitGone(dialog), "saved as Skin");
    Check(Send(app.Frame(), WM_NULL, 0, 0, -1) != -1, "save finished");
    const std::string name = picture;
    CheckSameFolder(Join(app.dir.folder, "Skin"),
                    Join(Arg("data"), "skin-" + name.substr(0, name.find('.')) + "-" + name.substr(name.find('.') + 1)),
                    "skin folder equals `tolvarin make`");
    app.Exit();
}

}  // namespace

int main(int argc, char** argv) {
    Begin("susie", argc, argv);
    for (const LoadCase& loadCase : kLoadCases)
        CheckLoading(loadCase);
    for (const DecodeCase& decodeCase : kDecodeCases)
        CheckDecoding(decodeCase);
    CheckSilentFailure("no bitmap reader after a delivery", "tp_badbits.spi", "picture.bmp", false);
    CheckSilentFailure("a file held shut", "tp_red.spi", "picture.tpx", true);
    CheckSameSkinAsCommandLine("sample.png");
    CheckSameSkinAsCommandLine("sample.jpg");
    return Finish();
}
