// ifstb.spi: a Susie image plug-in ("00IN") reading PNG, JPEG, GIF, TGA, PSD and PNM pictures with
// the program's image decoder, so that any Susie host can open them as 24-bit bitmaps. Pictures
// with transparency come composited over black; a GIF gives its first frame.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "picture/ImageDecoder.h"
#include "picture/PictureKind.h"
#include "picture/susie/SusieApi.h"
#include "plugins/ifstb/DibHandles.h"
#include "plugins/ifstb/PictureInput.h"

namespace {

// GetPluginInfo's texts: the API version, the plug-in's name, then an extension list and its
// type name for each format.
constexpr const char* kInfo[] = {
    "00IN",
    "ifstb 1.1 (libjpeg-turbo 2.1.5, libspng 0.7.3, stb_image 2.27): PNG, JPEG, GIF, TGA, PSD, PNM",
    "*.png",
    "PNG file",
    "*.jpg;*.jpeg;*.jpe;*.jfif",
    "JPEG file",
    "*.gif",
    "GIF file",
    "*.tga",
    "TGA file",
    "*.psd",
    "PSD file",
    "*.pnm;*.ppm;*.pgm",
    "PNM file",
};

int ResultOf(const ImageProblem& problem) {
    switch (problem.error) {
        case ImageError::None:
            return kSusieSuccess;
        case ImageError::Unrecognised:
        case ImageError::Unsupported:
            return kSusieUnknownFormat;
        case ImageError::Truncated:
        case ImageError::Damaged:
            return kSusieBrokenData;
        case ImageError::TooLarge:
        case ImageError::OutOfMemory:
            return kSusieNoMemory;
    }
    return kSusieInternalError;
}

// The host's callback, which may be absent; a non-zero answer stops the work.
bool Cancelled(SusieProgress progress, int done, int total, LONG_PTR data) {
    return progress && progress(done, total, data) != 0;
}

// No exception may leave an export: the host calls it as a plain function.
template <typename Work>
int Guarded(Work&& work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return kSusieNoMemory;
    } catch (...) {
        return kSusieInternalError;
    }
}

}  // namespace

extern "C" {

int WINAPI GetPluginInfo(int infoNumber, LPSTR buffer, int bufferLength) {
    if (!buffer || bufferLength <= 0)
        return 0;
    // Past the last text the answer is 0, with an empty text for hosts that read the buffer anyway.
    const bool known = infoNumber >= 0 && infoNumber < static_cast<int>(std::size(kInfo));
    const char* text = known ? kInfo[infoNumber] : "";
    const size_t length = std::min(std::strlen(text), static_cast<size_t>(bufferLength - 1));
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

int WINAPI IsSupported(LPCSTR, ULONG_PTR handleOrHead) {
    uint8_t head[kSusieHeadBytes];
    ReadHead(handleOrHead, head);
    return IdentifyImage(head, sizeof head) != ImageFormat::None ? 1 : 0;
}

int WINAPI GetPictureInfo(LPCSTR buffer, LONG_PTR length, unsigned flag, SusiePictureInfo* info) {
    if (!info)
        return kSusieInternalError;
    return Guarded([&]() -> int {
        PictureInput input;
        if (const int opened = input.Open(buffer, length, flag); opened != kSusieSuccess)
            return opened;
        const ImageProblem header = ProbeImage(input.Data(), input.Size());
        if (header.error != ImageError::None)
            return ResultOf(header);
        *info = SusiePictureInfo{};
        info->width = header.width;
        info->height = header.height;
        info->colorDepth = 24;
        return kSusieSuccess;
    });
}

// Exported as GetPreview too (ifstb.def): no faster reduced decoding exists.
int WINAPI GetPicture(LPCSTR buffer,
                      LONG_PTR length,
                      unsigned flag,
                      HLOCAL* infoBlock,
                      HLOCAL* pixelBlock,
                      SusieProgress progress,
                      LONG_PTR data) {
    return Guarded([&]() -> int {
        if (!infoBlock || !pixelBlock)
            return kSusieInternalError;
        *infoBlock = nullptr;
        *pixelBlock = nullptr;
        // Three steps for the callback: reading, decoding, handing over.
        if (Cancelled(progress, 0, 3, data))
            return kSusieAborted;
        PictureInput input;
        if (const int opened = input.Open(buffer, length, flag); opened != kSusieSuccess)
            return opened;
        if (Cancelled(progress, 1, 3, data))
            return kSusieAborted;
        DecodedImage image;
        if (const int decoded = ResultOf(DecodeImage(input.Data(), input.Size(), image)); decoded != kSusieSuccess)
            return decoded;
        if (Cancelled(progress, 2, 3, data))
            return kSusieAborted;
        HLOCAL info = nullptr, pixels = nullptr;
        if (const int made = MakeDibHandles(image, info, pixels); made != kSusieSuccess)
            return made;
        *infoBlock = info;
        *pixelBlock = pixels;
        progress&& progress(3, 3, data);  // the picture is delivered; an answer changes nothing now
        return kSusieSuccess;
    });
}

}  // extern "C"
