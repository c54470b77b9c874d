#include "picture/susie/SusieHost.h"

#include <cstddef>
#include <cstring>

#include "gen/susie_texts.h"
#include "picture/AdoptPluginPicture.h"
#include "shelltext/PathParts.h"
#include "shelltext/SusieText.h"

namespace {

// The loading messages: no owner, and every window of the program disabled while one is up.
constexpr UINT kMessageStyle = MB_OK | MB_TASKMODAL;
// GetPluginInfo's text buffers.
constexpr int kInfoChars = 100;
// Pairs asked for at most: a plug-in that answers every number would otherwise keep the host
// asking for ever.
constexpr int kMaxInfoNumber = 1000;

// GetPictureInfo's record, zeroed and larger than the convention's: a plug-in built without the
// convention's packing writes its handle past the end of the packed record.
union PictureInfoRecord {
    unsigned char room[64];  // first, so that the empty initializer zeroes all of it
    SusiePictureInfo info;
};

// The text block GetPictureInfo may hand back, which the caller frees: at the convention's packed
// place or, from a plug-in built without the packing, at the handle's own alignment after it. The
// record was zeroed: the two bytes between the places stay zero when the plug-in wrote the latter.
HLOCAL PictureText(const PictureInfoRecord& record) {
    constexpr size_t packed = offsetof(SusiePictureInfo, hInfo);
    constexpr size_t aligned = (packed + alignof(HLOCAL) - 1) / alignof(HLOCAL) * alignof(HLOCAL);
    static_assert(aligned + sizeof(HLOCAL) <= sizeof record.room, "both places are inside the record");
    HLOCAL text = nullptr, unpacked = nullptr;
    std::memcpy(&text, record.room + packed, sizeof text);
    std::memcpy(&unpacked, record.room + aligned, sizeof unpacked);
    bool gapEmpty = true;
    for (size_t at = packed; at < aligned; ++at)
        gapEmpty = gapEmpty && record.room[at] == 0;
    if (aligned != packed && gapEmpty && unpacked)
        text = unpacked;
    // A value that is no block (a layout guessed wrong) is left alone rather than freed.
    return text && ::LocalFlags(text) != LMEM_INVALID_HANDLE ? text : nullptr;
}

// GetPluginInfo text n of a plug-in, always terminated; returns the plug-in's own count.
int PluginText(const GetPluginInfoProc getPluginInfo, int n, char (&text)[kInfoChars]) {
    std::memset(text, 0, sizeof text);
    const int count = getPluginInfo(n, text, kInfoChars);
    text[kInfoChars - 1] = '\0';
    return count;
}

// Takes the plug-in's two blocks over as a 32-bit picture and frees them, as the convention
// leaves to the caller.
int AdoptBlocks(HLOCAL infoBlock, HLOCAL pixelBlock, DibBuffer& picture) {
    const void* info = infoBlock ? ::LocalLock(infoBlock) : nullptr;
    const void* pixels = pixelBlock ? ::LocalLock(pixelBlock) : nullptr;
    const int result =
        AdoptPluginPicture(static_cast<const uint8_t*>(info), info ? ::LocalSize(infoBlock) : 0,
                           static_cast<const uint8_t*>(pixels), pixels ? ::LocalSize(pixelBlock) : 0, picture);
    for (HLOCAL block : {infoBlock, pixelBlock}) {
        if (block) {
            ::LocalUnlock(block);
            ::LocalFree(block);
        }
    }
    return result;
}

}  // namespace

void CSusieHost::Load(const std::string& folderText) {
    if (m_loading)
        return;
    m_loading = true;
    LoadFolders(folderText);
    m_loading = false;
    if (m_unloadAfterLoading) {
        m_unloadAfterLoading = false;
        Unload();
    }
}

void CSusieHost::LoadFolders(const std::string& folderText) {
    m_folderText = folderText;
    m_plugins.clear();
    m_folders.clear();
    m_files.clear();
    if (folderText.empty())
        return;
    m_folders = SplitAtSemicolons(folderText);
    for (const std::string& entry : m_folders)
        FindPluginFiles(entry);
    for (const std::string& path : m_files)
        LoadPluginFile(path);
    if (m_plugins.empty())
        ::MessageBoxA(nullptr, kNoPluginFound, kPluginLoadCaption, kMessageStyle);
}

void CSusieHost::FindPluginFiles(const std::string& entry) {
    const PluginSearch search = MakePluginSearch(entry);
    WIN32_FIND_DATAA found;
    HANDLE finder = ::FindFirstFileA(search.pattern.c_str(), &found);
    if (finder == INVALID_HANDLE_VALUE) {
        ::MessageBoxA(nullptr, FolderNotFoundText(entry).c_str(), kFolderCaption, kMessageStyle);
        return;
    }
    do {
        // A folder is no plug-in: "C:\Susie.32" itself matches its own pattern "C:\*.32".
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            IsWantedPluginName(found.cFileName, search.extension))
            m_files.push_back(search.base + found.cFileName);
    } while (::FindNextFileA(finder, &found));
    ::FindClose(finder);
}

void CSusieHost::LoadPluginFile(const std::string& path) {
    HMODULE module = ::LoadLibraryA(path.c_str());
    if (!module) {
        ::MessageBoxA(nullptr, PluginLoadFailedText(path).c_str(), kPluginLoadCaption, kMessageStyle);
        return;
    }
    const PluginEntry entry = {
        module,
        reinterpret_cast<GetPluginInfoProc>(reinterpret_cast<void*>(::GetProcAddress(module, "GetPluginInfo"))),
        reinterpret_cast<IsSupportedProc>(reinterpret_cast<void*>(::GetProcAddress(module, "IsSupported"))),
        reinterpret_cast<GetPictureInfoProc>(reinterpret_cast<void*>(::GetProcAddress(module, "GetPictureInfo"))),
        reinterpret_cast<GetPictureProc>(reinterpret_cast<void*>(::GetProcAddress(module, "GetPicture"))),
    };
    // An archive plug-in, or any other library: not ours, and not worth a message.
    if (!entry.getPluginInfo || !entry.isSupported || !entry.getPictureInfo || !entry.getPicture) {
        ::FreeLibrary(module);
        return;
    }
    m_plugins.push_back(entry);
}

void CSusieHost::Unload() {
    if (m_loading) {
        m_unloadAfterLoading = true;
        return;
    }
    for (const PluginEntry& plugin : m_plugins) {
        if (plugin.module)
            ::FreeLibrary(plugin.module);
    }
    m_plugins.clear();
    m_folders.clear();
    m_files.clear();
}

void CSusieHost::BuildFilter(std::string& output) {
    std::vector<FilterFormat> formats;
    for (const PluginEntry& plugin : m_plugins) {
        for (int n = 2; n < kMaxInfoNumber; n += 2) {
            char typeName[kInfoChars], extensions[kInfoChars];
            const int typeCount = PluginText(plugin.getPluginInfo, n + 1, typeName);
            const int extensionCount = PluginText(plugin.getPluginInfo, n, extensions);
            if (typeCount == 0 || extensionCount <= 2)
                break;
            formats.push_back({typeName, extensions});
        }
    }
    output = AssembleOpenFilter(formats, m_supportedExtensions);
}

PluginDecodeResult CSusieHost::DecodeWithPlugins(const std::string& path, DibBuffer& picture) {
    const std::string fileExtension = SplitPath(path).ext;
    for (const PluginEntry& plugin : m_plugins) {
        for (int n = 2; n < kMaxInfoNumber; n += 2) {
            char extensions[kInfoChars];
            if (PluginText(plugin.getPluginInfo, n, extensions) <= 2)
                break;
            int result = 0;
            if (ListClaimsExtension(extensions, fileExtension) && TryPlugin(plugin, path, picture, result))
                return {true, result};
        }
    }
    return {false, 0};
}

bool CSusieHost::TryPlugin(const PluginEntry& plugin, const std::string& path, DibBuffer& picture, int& result) {
    // No sharing while the plug-in looks at it.
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const ULONG_PTR handle = reinterpret_cast<ULONG_PTR>(file);
    int supported;
    if ((handle & ~ULONG_PTR(0xFFFF)) == 0) {
        ::SetFilePointer(file, 0, nullptr, FILE_BEGIN);
        supported = plugin.isSupported(path.c_str(), handle);
    } else {
        // A handle this large would be taken for an address: the plug-in is shown the file's start.
        uint8_t head[kSusieHeadBytes] = {};
        DWORD read = 0;
        ::ReadFile(file, head, sizeof head, &read, nullptr);
        supported = plugin.isSupported(path.c_str(), reinterpret_cast<ULONG_PTR>(head));
    }
    ::CloseHandle(file);
    if (!supported)
        return false;

    PictureInfoRecord record = {};
    const int infoResult = plugin.getPictureInfo(path.c_str(), 0, kSusieFromFile, &record.info);
    if (HLOCAL text = PictureText(record))
        ::LocalFree(text);  // the picture's comment, which nothing here shows
    if (infoResult != kSusieSuccess)
        return false;
    HLOCAL infoBlock = nullptr, pixelBlock = nullptr;
    if (plugin.getPicture(path.c_str(), 0, kSusieFromFile, &infoBlock, &pixelBlock, &ProgressCallback, 0) !=
        kSusieSuccess) {
        // A failing plug-in should hand nothing back; whatever it did is freed.
        for (HLOCAL block : {infoBlock, pixelBlock}) {
            if (block)
                ::LocalFree(block);
        }
        return false;
    }
    result = AdoptBlocks(infoBlock, pixelBlock, picture);
    return true;
}

int WINAPI CSusieHost::ProgressCallback(int, int, LONG_PTR) {
    return 0;
}
