// The image plug-in host in the program: which plug-ins the folder text loads and in what order,
// the messages of a failed load (exact texts, no owner, before the main window), the open dialog's
// formats, which plug-in reads a file (load order, refusals and failures falling through, the
// bitmap reader last, none after a plug-in delivered), and the program's own plug-in giving the
// very skins `tolvarin make` gives for PNG and JPEG.
#include "Kit.h"
#include "resource.h"

#include <functional>

using namespace tk;

namespace {

constexpr char kLoadCaption[] = "SUSIEプラグインロードエラー";
constexpr char kFolderCaption[] = "プラグインロードエラー";
constexpr char kNoPlugin[] = "対応プラグインがみつかりません。";

std::string FolderNotFound(const std::string& entry) {
    return "プラグインライブラリー(" + entry + ")\nが見つかりませんでした。";
}

std::string LoadFailed(const std::string& path) {
    return path + "\n\nプラグインのロードに失敗しました。";
}

// The file types of the open dialog with no plug-in.
const std::vector<std::string> kBitmapOnly = {"対応ファイル", "BMP(*.BMP)", "すべてのファイル(*.*)"};

std::vector<std::string> Types(const std::vector<std::string>& formats) {
    std::vector<std::string> types = {"対応ファイル"};
    types.insert(types.end(), formats.begin(), formats.end());
    types.insert(types.end(), kBitmapOnly.begin() + 1, kBitmapOnly.end());
    return types;
}

// Where the test plug-ins were built: beside this driver.
std::string TestPlugins() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string folder = self;
    return join(folder.substr(0, folder.find_last_of('\\')), "susie-plugins");
}

// A folder of the case holding test plug-ins, each copied under the name given ("tp_red.spi" or
// "tp_red.spi=red.32"); returns its path.
std::string PluginFolder(const CaseDir& dir, const std::string& name, const std::vector<std::string>& plugins) {
    const std::string folder = join(dir.folder, name);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& plugin : plugins) {
        const size_t equals = plugin.find('=');
        const std::string from = plugin.substr(0, equals);
        const std::string to = equals == std::string::npos ? from : plugin.substr(equals + 1);
        if (!copy_file(join(TestPlugins(), from), join(folder, to)))
            note("could not copy " + from);
    }
    return folder;
}

std::string PluginIni(const std::string& pluginPath) {
    return "[SusiePlugin]\r\nPluginPath=" + pluginPath + "\r\n";
}

struct Message {
    std::string caption, text;
};

// Answers the message boxes the program shows while it starts, checking each as it comes (no
// owner, only an OK button, the main window not yet shown), until the main window appears.
std::vector<Message> StartupMessages(Proc& proc, HWND& frame) {
    std::vector<Message> messages;
    frame = nullptr;
    for (;;) {
        HWND box = nullptr;
        wait_until([&] {
            frame = find_top(proc.pid(), TOLVARIN_FRAME_CLASS);
            box = find_top(proc.pid(), "#32770");
            return frame || box;
        });
        if (!box)
            return messages;
        const std::string what = format("message %zu", messages.size() + 1);
        check(frame == nullptr, what + " comes before the main window");
        check(GetWindow(box, GW_OWNER) == nullptr, what + " has no owner");
        HWND ok = find_id(box, IDOK, "Button");
        check(ok && !find_id(box, IDCANCEL, "Button") && !find_id(box, IDNO, "Button"), what + " has only OK");
        messages.push_back({text_of(box), text_of(find_id(box, 0xFFFF, "Static"))});
        if (!ok) {
            proc.kill();
            return messages;
        }
        click(ok);
        wait_gone(box);
    }
}

// The file types the open dialog offers; the dialog is cancelled again.
std::vector<std::string> OpenDialogTypes(Proc& proc, HWND frame, const char* screenshot = nullptr) {
    post_command(frame, ID_FILE_OPEN);
    HWND dialog = wait_owned(proc.pid(), frame);
    if (!dialog)
        return {"<no open dialog>"};
    HWND types = find_id(dialog, kFileTypeId, "ComboBox");
    if (screenshot) {
        // The list dropped down, as a user looking for the formats sees it.
        send(types, CB_SHOWDROPDOWN, TRUE, 0);
        const RECT shot = window_rect(dialog);
        wait_until([] { return false; }, 300);  // the drop-down is drawn asynchronously
        save_bmp(capture_screen(shot.left, shot.top, shot.right - shot.left, shot.bottom - shot.top + 160),
                 join(arg("artifacts"), screenshot));
        send(types, CB_SHOWDROPDOWN, FALSE, 0);
    }
    std::vector<std::string> items = combo_items(types);
    cancel_dialog(dialog);
    return items;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : " | ") + item;
    return text;
}

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
    CaseDir dir = make_case(std::string("load-") + loadCase.name);
    const Expected expected = loadCase.setUp(dir);
    if (expected.pluginPath != "<none>")
        write_file(dir.ini, PluginIni(expected.pluginPath));
    Proc proc;
    if (!check(proc.start(dir.exe, "", dir.folder), "started"))
        return;
    HWND frame = nullptr;
    const std::vector<Message> messages = StartupMessages(proc, frame);
    check_eq(messages.size(), expected.messages.size(), "message count");
    for (size_t i = 0; i < messages.size() && i < expected.messages.size(); ++i) {
        check_eq(messages[i].caption, expected.messages[i].caption, format("message %zu caption", i + 1));
        check_eq(messages[i].text, expected.messages[i].text, format("message %zu text", i + 1));
    }
    if (!check(frame != nullptr, "main window appears", describe_windows(proc.pid())))
        return;
    const bool fresh = expected.pluginPath == "<none>";
    check_eq(Joined(OpenDialogTypes(proc, frame, fresh ? "open-dialog-formats.bmp" : nullptr)), Joined(expected.types),
             "open dialog file types");
    post_command(frame, ID_APP_EXIT);
    check(proc.wait_exit() && proc.exit_code() == 0, "exits");
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
             copy_file(join(arg("data"), picture), join(dir.folder, picture));
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
         copy_file(join(TestPlugins(), "tp_red.spi"), join(dir.folder, "red.32"));
         return Expected{join(dir.folder, "Susie.32"), {}, Types({"Red(*.tpx)"})};
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
         write_file(join(folder, "broken.spi"), "not a library");
         return Expected{
             folder, {{kLoadCaption, LoadFailed(join(folder, "broken.spi"))}, {kLoadCaption, kNoPlugin}}, kBitmapOnly};
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
    {"refusal and failure fall through", {{"tp_refuse.spi"}, {"tp_fail.spi"}, {"tp_blue.spi"}}, "picture.tpx", "blue"},
    {"extension ignores case", {{"tp_red.spi"}}, "PICTURE.TpX", "red"},
    {"second item of a second pair", {{"tp_pairs.spi"}}, "picture.tpc", "green"},
    {"top-down output", {{"tp_topdown.spi"}}, "picture.tpt", "yellow-magenta"},
    // The file itself: grey over white.
    {"unclaimed extension goes to the bitmap reader", {{"tp_red.spi"}}, "picture.tpz", "grey-white"},
    {"failure leaves the bitmap reader", {{"tp_fail.spi"}}, "picture.tpx", "grey-white"},
};

void CheckDecoding(const DecodeCase& decodeCase) {
    CaseScope scope(decodeCase.name);
    CaseDir dir = make_case(std::string("decode-") + decodeCase.name);
    std::string pluginPath;
    for (size_t i = 0; i < decodeCase.folders.size(); ++i)
        pluginPath += (i ? ";" : "") + PluginFolder(dir, format("plugins%zu", i), decodeCase.folders[i]);
    write_file(dir.ini, PluginIni(pluginPath));
    const std::string picture = put_picture(dir, "two-grey-white.bmp", decodeCase.file);
    App app;
    if (!check(app.start(dir, "\"" + picture + "\""), "frame appears"))
        return;
    check_preview(app, std::string("preview-two-") + decodeCase.reading + ".bmp", "preview shows the expected reading");
    app.exit();
}

// A plug-in that delivers decides the read, even when its picture cannot be converted: the bitmap
// reader, which would read the file, is not tried.
void CheckNoBitmapFallback() {
    CaseScope scope("no bitmap reader after a delivery");
    CaseDir dir = make_case("no-bitmap-fallback");
    write_file(dir.ini, PluginIni(PluginFolder(dir, "plugins", {"tp_badbits.spi"})));
    const std::string picture = put_picture(dir, "two-grey-white.bmp", "picture.bmp");
    App app;
    if (!check(app.start(dir), "frame appears"))
        return;
    check(drop_files(app.proc().handle(), app.frame(), {picture}), "bitmap dropped");
    post_command(app.frame(), ID_FILE_OPEN);  // answered only after the drop was handled
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    check(dialog && file_name_field(dialog), "no message box: the next window is the open dialog");
    cancel_dialog(dialog);
    check(!app.picture_shown(), "nothing opened");
    app.exit();
}

// The program's own plug-in and `tolvarin make` give the very same skin.
void CheckSameSkinAsCommandLine(const char* picture) {
    CaseScope scope(std::string("skin of ") + picture);
    CaseDir dir = make_case(std::string("skin-") + picture);
    const std::string path = put_picture(dir, picture, picture);
    App app;
    if (!check(app.start(dir, "\"" + path + "\""), "frame appears without a message") ||
        !check(wait_until([&] { return app.picture_shown(); }), "picture shown"))
        return;
    post_command(app.frame(), ID_FILE_SAVE_AS);
    HWND dialog = wait_owned(app.proc().pid(), app.frame());
    check(dialog && choose_file(dialog, join(dir.folder, "Skin")) && wait_gone(dialog), "saved as Skin");
    check(send(app.frame(), WM_NULL, 0, 0, -1) != -1, "save finished");
    const std::string name = picture;
    check_same_folder(
        join(dir.folder, "Skin"),
        join(arg("data"), "skin-" + name.substr(0, name.find('.')) + "-" + name.substr(name.find('.') + 1)),
        "skin folder equals `tolvarin make`");
    app.exit();
}

}  // namespace

int main(int argc, char** argv) {
    begin("susie", argc, argv);
    for (const LoadCase& loadCase : kLoadCases)
        CheckLoading(loadCase);
    for (const DecodeCase& decodeCase : kDecodeCases)
        CheckDecoding(decodeCase);
    CheckNoBitmapFallback();
    CheckSameSkinAsCommandLine("sample.png");
    CheckSameSkinAsCommandLine("sample.jpg");
    return finish();
}
