// A Susie image plug-in for the host's tests. Each build of it (CMakeLists.txt) claims its own
// extensions and behaves one way (refuses, fails, lacks an export, ...); the 2 x 2 pictures it
// delivers have its own colours, so the program's preview tells which plug-in read a file. It also
// holds the host to the convention where the program relies on it: IsSupported gets a file handle,
// at the file's start and shared with nobody; GetPictureInfo gets a zeroed record larger than the
// packed one (this plug-in writes it unpacked, as some do, or packed) and frees the text block it
// hands back; GetPicture gets a progress callback. A host that breaks one of these sees the plug-in
// refuse the file.
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <iterator>

#define TP_EXPORT extern "C" __declspec(dllexport)
#ifndef TP_BITS
#define TP_BITS 24
#endif

namespace {

const char* const kInfo[] = {
    "00IN",        "Tolvarin test plug-in", TP_EXTENSIONS, TP_TYPE,
#ifdef TP_SECOND_PAIR
    "*.tpb;*.tpc", "Second pair",
#endif
};

// The record as a plug-in built without the convention's packing lays it out: its handle lands
// past the end of the packed record.
struct UnpackedPictureInfo {
    long left, top, width, height;
    WORD xDensity, yDensity;
    short colorDepth;
    HLOCAL hInfo;
};

[[maybe_unused]] bool IsOwnedHandleAtStart(LPCSTR fileName, ULONG_PTR handleOrHead) {
    if (handleOrHead & ~ULONG_PTR(0xFFFF))
        return false;
    const HANDLE file = reinterpret_cast<HANDLE>(handleOrHead);
    if (::GetFileType(file) != FILE_TYPE_DISK || ::SetFilePointer(file, 0, nullptr, FILE_CURRENT) != 0)
        return false;
    // Opened with no sharing, the file cannot be opened again while the host holds it.
    HANDLE again = ::CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (again != INVALID_HANDLE_VALUE) {
        ::CloseHandle(again);
        return false;
    }
    return ::GetLastError() == ERROR_SHARING_VIOLATION;
}

// Blue, green, red of 0xRRGGBB into a 24-bit row.
[[maybe_unused]] void PutPixel(unsigned char* at, unsigned long colour) {
    at[0] = static_cast<unsigned char>(colour);
    at[1] = static_cast<unsigned char>(colour >> 8);
    at[2] = static_cast<unsigned char>(colour >> 16);
}

}  // namespace

TP_EXPORT int WINAPI GetPluginInfo(int infoNumber, LPSTR buffer, int bufferLength) {
    if (infoNumber < 0 || infoNumber >= static_cast<int>(std::size(kInfo)) || bufferLength <= 0)
        return 0;
    lstrcpynA(buffer, kInfo[infoNumber], bufferLength);
    return lstrlenA(buffer);
}

TP_EXPORT int WINAPI IsSupported(LPCSTR fileName, ULONG_PTR handleOrHead) {
#ifdef TP_REFUSE
    static_cast<void>(fileName);
    static_cast<void>(handleOrHead);
    return 0;
#else
    return IsOwnedHandleAtStart(fileName, handleOrHead) ? 1 : 0;
#endif
}

// The picture's text, handed out by GetPictureInfo; GetPicture insists that the host freed it.
HLOCAL g_text = nullptr;

TP_EXPORT int WINAPI GetPictureInfo(LPCSTR, LONG_PTR offset, unsigned flag, void* record) {
    static const unsigned char zeros[sizeof(UnpackedPictureInfo) + 4] = {};
    if (offset != 0 || flag != 0 || std::memcmp(record, zeros, sizeof zeros) != 0)
        return 3;
    g_text = ::LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, 16);
    const UnpackedPictureInfo info = {0, 0, 2, 2, 0, 0, 24, g_text};
#if defined(TP_PACKED) && !defined(_WIN64)  // the 64-bit record has no gap to pack away
    std::memcpy(record, &info, offsetof(UnpackedPictureInfo, colorDepth) + sizeof info.colorDepth);
    std::memcpy(static_cast<char*>(record) + offsetof(UnpackedPictureInfo, colorDepth) + sizeof info.colorDepth,
                &g_text, sizeof g_text);
#else
    std::memcpy(record, &info, sizeof info);
#endif
    return 0;
}

#ifndef TP_NO_GETPICTURE
TP_EXPORT int WINAPI GetPicture(LPCSTR,
                                LONG_PTR offset,
                                unsigned flag,
                                HLOCAL* infoBlock,
                                HLOCAL* pixelBlock,
                                int(WINAPI* progress)(int, int, LONG_PTR),
                                LONG_PTR data) {
#ifdef TP_FAIL
    return 3;
#endif
    if (offset != 0 || flag != 0 || !infoBlock || !pixelBlock || !progress || progress(0, 1, data) != 0 ||
        (g_text && ::LocalFlags(g_text) != LMEM_INVALID_HANDLE))
        return 1;
    const LONG stride = 8;  // two 24-bit pixels, padded to 4 bytes
    *infoBlock = ::LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(BITMAPINFOHEADER));
    *pixelBlock = ::LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, 2 * stride);
    auto* header = static_cast<BITMAPINFOHEADER*>(::LocalLock(*infoBlock));
    auto* rows = static_cast<unsigned char*>(::LocalLock(*pixelBlock));
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = 2;
    header->biPlanes = 1;
    header->biBitCount = TP_BITS;
    header->biCompression = BI_RGB;
#ifdef TP_TOP_DOWN
    header->biHeight = -2;
    unsigned char* top = rows;
#else
    header->biHeight = 2;
    unsigned char* top = rows + stride;
#endif
    unsigned char* bottom = top == rows ? rows + stride : rows;
    for (int x = 0; x < 2; ++x) {
        PutPixel(top + 3 * x, TP_TOP);
        PutPixel(bottom + 3 * x, TP_BOTTOM);
    }
    ::LocalUnlock(*infoBlock);
    ::LocalUnlock(*pixelBlock);
    progress(1, 1, data);
    return 0;
}
#endif
