// The program's own image plug-in, ifstb.spi, as any Susie host calls it: the numbering of its
// texts, both forms of IsSupported, file input (also from an offset) and memory input, the
// progress callback and its cancelling, the two unlocked local blocks of a bottom-up DIB, and its
// results for damaged, unknown and too large pictures. The PNG of the sample must come out as the
// very rows of the sample bitmap.
#include "Kit.h"
#include "picture/susie/SusieApi.h"

#include <cstring>

using namespace tk;

namespace {

struct Plugin {
    HMODULE module = nullptr;
    GetPluginInfoProc getPluginInfo = nullptr;
    IsSupportedProc isSupported = nullptr;
    GetPictureInfoProc getPictureInfo = nullptr;
    GetPictureProc getPicture = nullptr;
};

template <class Proc>
Proc Export(HMODULE module, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string Bytes(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

std::string Text(const Plugin& plugin, int number, int length = 256) {
    std::string text(static_cast<size_t>(length) + 8, '\x7F');
    const int count = plugin.getPluginInfo(number, text.data(), length);
    const size_t end = text.find('\0');
    return Format("%d:", count) + (end == std::string::npos ? "<no end>" : text.substr(0, end));
}

void CheckTexts(const Plugin& plugin) {
    CaseScope scope("texts");
    const struct {
        int number;
        const char* expected;
    } rows[] = {
        {0, "4:00IN"},      {2, "5:*.png"},
        {3, "8:PNG file"},  {4, "25:*.jpg;*.jpeg;*.jpe;*.jfif"},
        {5, "9:JPEG file"}, {12, "17:*.pnm;*.ppm;*.pgm"},
        {13, "8:PNM file"}, {14, "0:"},
        {-1, "0:"},
    };
    for (const auto& row : rows)
        CheckEq(Text(plugin, row.number), row.expected, Format("info %d", row.number));
    CheckEq(Text(plugin, 0, 3), "2:00", "a short buffer gets a terminated beginning");
    Check(Text(plugin, 1).size() > 4, "info 1 names the plug-in", Text(plugin, 1));
}

void CheckIsSupported(const Plugin& plugin, const std::string& png, const std::string& text) {
    CaseScope scope("IsSupported");
    for (const std::string* file : {&png, &text}) {
        const bool expected = file == &png;
        std::string head = Bytes(*file).substr(0, kSusieHeadBytes);
        head.resize(kSusieHeadBytes, '\0');
        CheckEq(plugin.isSupported(file->c_str(), reinterpret_cast<ULONG_PTR>(head.data())) != 0, expected,
                "from 2 KB: " + *file);
        HANDLE handle = CreateFileA(file->c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        CheckEq(plugin.isSupported(file->c_str(), reinterpret_cast<ULONG_PTR>(handle)) != 0, expected,
                "from a handle: " + *file);
        CheckEq(SetFilePointer(handle, 0, nullptr, FILE_CURRENT), 0, "the handle's position is put back");
        CloseHandle(handle);
    }
}

struct Dib {
    int result = -2;
    BITMAPINFOHEADER header = {};
    std::string rows;
    bool unlocked = false;
};

// GetPicture, the blocks read and freed as a host does.
Dib Picture(const Plugin& plugin, LPCSTR buffer, LONG_PTR length, unsigned flag, SusieProgress progress = nullptr) {
    Dib dib;
    HLOCAL info = reinterpret_cast<HLOCAL>(1), pixels = reinterpret_cast<HLOCAL>(1);
    dib.result = plugin.getPicture(buffer, length, flag, &info, &pixels, progress, 77);
    if (dib.result != kSusieSuccess) {
        Check(!info && !pixels, Format("result %d hands back no blocks", dib.result));
        return dib;
    }
    dib.unlocked = (LocalFlags(info) & LMEM_LOCKCOUNT) == 0 && (LocalFlags(pixels) & LMEM_LOCKCOUNT) == 0;
    const void* header = LocalLock(info);
    const char* rows = static_cast<const char*>(LocalLock(pixels));
    if (header && LocalSize(info) >= sizeof dib.header)
        std::memcpy(&dib.header, header, sizeof dib.header);
    if (rows)
        dib.rows.assign(rows, LocalSize(pixels));
    LocalUnlock(info);
    LocalUnlock(pixels);
    LocalFree(info);
    LocalFree(pixels);
    return dib;
}

void CheckPicture(const Dib& dib, const std::string& bitmap, const std::string& name) {
    if (!CheckEq(dib.result, kSusieSuccess, name + ": result"))
        return;
    Check(dib.unlocked, name + ": blocks come back unlocked");
    CheckEq(dib.header.biSize, 40, name + ": info header");
    CheckEq(dib.header.biBitCount, 24, name + ": 24 bits");
    CheckEq(dib.header.biCompression, BI_RGB, name + ": uncompressed");
    // The sample bitmap: 54 bytes of headers, then its rows bottom-up, as a bottom-up DIB has them.
    CheckEq(dib.header.biWidth, 640, name + ": width");
    CheckEq(dib.header.biHeight, 480, name + ": height, positive (bottom-up)");
    const std::string expected = bitmap.substr(54);
    Check(dib.rows.size() >= expected.size() && dib.rows.compare(0, expected.size(), expected) == 0,
          name + ": rows equal the bitmap's");
}

std::vector<std::pair<int, int>> g_progress;

int WINAPI Record(int numerator, int denominator, LONG_PTR data) {
    g_progress.emplace_back(numerator, denominator);
    return data == 77 ? 0 : 1;
}

int WINAPI Cancel(int, int, LONG_PTR) {
    return 1;
}

void CheckGetPicture(const Plugin& plugin, const std::string& png, const std::string& bitmap) {
    CaseScope scope("GetPicture");
    const std::string file = Bytes(png);
    CheckPicture(Picture(plugin, png.c_str(), 0, kSusieFromFile, &Record), bitmap, "file");
    Check(
        g_progress.size() >= 2 && g_progress.front().first == 0 && g_progress.back().first == g_progress.back().second,
        "progress runs from 0 to its end with the host's data");
    CheckPicture(Picture(plugin, file.data(), static_cast<LONG_PTR>(file.size()), kSusieFromMemory), bitmap, "memory");
    const std::string shifted = Join(Arg("work"), "shifted.png");
    WriteWholeFile(shifted, std::string(128, 'M') + file);
    CheckPicture(Picture(plugin, shifted.c_str(), 128, kSusieFromFile), bitmap, "file from offset 128");
    CheckEq(Picture(plugin, png.c_str(), 0, kSusieFromFile, &Cancel).result, kSusieAborted, "cancelled");

    SusiePictureInfo info = {};
    CheckEq(plugin.getPictureInfo(png.c_str(), 0, kSusieFromFile, &info), kSusieSuccess, "info result");
    Check(info.width == 640 && info.height == 480 && info.colorDepth == 24 && !info.hInfo, "info record",
          Format("%ld x %ld, %d bits", info.width, info.height, info.colorDepth));
}

void CheckRefusals(const Plugin& plugin, const std::string& png) {
    CaseScope scope("refusals");
    const std::string file = Bytes(png);
    // A PNG header claiming 50000 x 50000 pixels, and nothing more.
    std::string huge = file.substr(0, 33);
    huge.replace(16, 8, std::string("\0\0\xC3\x50\0\0\xC3\x50", 8));
    const struct {
        const char* name;
        std::string bytes;
        int expected;
    } rows[] = {
        {"cut short", file.substr(0, file.size() / 2), kSusieBrokenData},
        {"not a picture", "these are notes", kSusieUnknownFormat},
        {"too large", huge, kSusieNoMemory},
    };
    for (const auto& row : rows) {
        CheckEq(Picture(plugin, row.bytes.data(), static_cast<LONG_PTR>(row.bytes.size()), kSusieFromMemory).result,
                row.expected, row.name);
    }
    CheckEq(Picture(plugin, Join(Arg("work"), "absent.png").c_str(), 0, kSusieFromFile).result, kSusieFileReadError,
            "absent file");
}

}  // namespace

int main(int argc, char** argv) {
    Begin("ifstb", argc, argv);
    const std::string app = Arg("app");
    const std::string spi = Join(app.substr(0, app.find_last_of('\\')), "ifstb.spi");
    Plugin plugin;
    plugin.module = LoadLibraryA(spi.c_str());
    if (Check(plugin.module != nullptr, "ifstb.spi loads", spi)) {
        plugin.getPluginInfo = Export<GetPluginInfoProc>(plugin.module, "GetPluginInfo");
        plugin.isSupported = Export<IsSupportedProc>(plugin.module, "IsSupported");
        plugin.getPictureInfo = Export<GetPictureInfoProc>(plugin.module, "GetPictureInfo");
        plugin.getPicture = Export<GetPictureProc>(plugin.module, "GetPicture");
        if (Check(plugin.getPluginInfo && plugin.isSupported && plugin.getPictureInfo && plugin.getPicture &&
                      Export<GetPictureProc>(plugin.module, "GetPreview"),
                  "every entry point is exported under its plain name")) {
            CreateDirectoryA(Arg("work").c_str(), nullptr);
            const std::string png = Join(Arg("data"), "sample.png");
            const std::string text = Join(Arg("work"), "notes.png");
            WriteWholeFile(text, "these are notes, not a picture");
            const std::string bitmap = Bytes(Join(Arg("data"), "sample.bmp"));
            CheckTexts(plugin);
            CheckIsSupported(plugin, png, text);
            CheckGetPicture(plugin, png, bitmap);
            CheckRefusals(plugin, png);
        }
    }
    return Finish();
}
