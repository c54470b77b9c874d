// The Susie image plug-in convention ("00IN") as both sides of it use it here: the program's host,
// the program's own plug-in and the test plug-ins. Every entry point is stdcall and exported under
// its plain name. A 32-bit plug-in (.spi) takes 32-bit lengths and data; the pointer-sized types
// below are exactly that there, and widen for the 64-bit build as the 64-bit convention does.
#pragma once

#include <windows.h>

// Results of GetPictureInfo and GetPicture.
enum SusieResult : int {
    kSusieNotImplemented = -1,
    kSusieSuccess = 0,
    kSusieAborted = 1,  // the progress callback asked to stop
    kSusieUnknownFormat = 2,
    kSusieBrokenData = 3,
    kSusieNoMemory = 4,
    kSusieMemoryError = 5,
    kSusieFileReadError = 6,
    kSusieInternalError = 8,
};

// The low three bits of the flag argument: where the picture comes from.
constexpr unsigned kSusieInputMask = 7;
constexpr unsigned kSusieFromFile = 0;    // buf: the file name; len: where the picture starts in it
constexpr unsigned kSusieFromMemory = 1;  // buf: the file image; len: its size

// IsSupported's second argument is a file handle when its bits above the low 16 are clear, else
// the address of the file's first 2048 bytes (zero-padded).
constexpr size_t kSusieHeadBytes = 2048;

#pragma pack(push, 1)
struct SusiePictureInfo {
    LONG left;
    LONG top;
    LONG width;
    LONG height;
    WORD xDensity;
    WORD yDensity;
    SHORT colorDepth;
#ifdef _WIN64
    char alignment[2];
#endif
    HLOCAL hInfo;  // text found in the picture, or null; the caller frees it
};
#pragma pack(pop)
static_assert(sizeof(SusiePictureInfo) == (sizeof(void*) == 4 ? 26 : 32), "the convention's record");

using SusieProgress = int(WINAPI*)(int numerator, int denominator, LONG_PTR data);

using GetPluginInfoProc = int(WINAPI*)(int infoNumber, LPSTR buffer, int bufferLength);
using IsSupportedProc = int(WINAPI*)(LPCSTR fileName, ULONG_PTR handleOrHead);
using GetPictureInfoProc = int(WINAPI*)(LPCSTR buffer, LONG_PTR length, unsigned flag, SusiePictureInfo* info);
using GetPictureProc = int(WINAPI*)(LPCSTR buffer,
                                    LONG_PTR length,
                                    unsigned flag,
                                    HLOCAL* infoBlock,
                                    HLOCAL* pixelBlock,
                                    SusieProgress progress,
                                    LONG_PTR data);
