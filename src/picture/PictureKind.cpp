#include "picture/PictureKind.h"

#include <cstring>

#include "picture/StbImage.h"

namespace {

bool StartsWith(const uint8_t* head, size_t size, const char* signature, size_t length, size_t at = 0) {
    return size >= at + length && std::memcmp(head + at, signature, length) == 0;
}

}  // namespace

const char* FormatName(ImageFormat format) {
    switch (format) {
        case ImageFormat::Png:
            return "PNG";
        case ImageFormat::Jpeg:
            return "JPEG";
        case ImageFormat::Gif:
            return "GIF";
        case ImageFormat::Tga:
            return "TGA";
        case ImageFormat::Psd:
            return "PSD";
        case ImageFormat::Pnm:
            return "PNM";
        case ImageFormat::None:
            break;
    }
    return "";
}

ImageFormat IdentifyImage(const uint8_t* head, size_t size) {
    if (StartsWith(head, size, "\x89PNG\r\n\x1a\n", 8))
        return ImageFormat::Png;
    if (StartsWith(head, size, "\xFF\xD8", 2))
        return ImageFormat::Jpeg;
    if (StartsWith(head, size, "GIF87a", 6) || StartsWith(head, size, "GIF89a", 6))
        return ImageFormat::Gif;
    if (StartsWith(head, size, "8BPS", 4))
        return ImageFormat::Psd;
    if (StartsWith(head, size, "P5", 2) || StartsWith(head, size, "P6", 2))
        return ImageFormat::Pnm;
    if (StbLooksLikeTga(head, size))
        return ImageFormat::Tga;
    return ImageFormat::None;
}

const char* UnreadFormatName(const uint8_t* head, size_t size) {
    if (StartsWith(head, size, "RIFF", 4) && StartsWith(head, size, "WEBP", 4, 8))
        return "WebP";
    if (StartsWith(head, size, "II*\0", 4) || StartsWith(head, size, "MM\0*", 4))
        return "TIFF";
    if (StartsWith(head, size, "ftyp", 4, 4)) {
        if (StartsWith(head, size, "avif", 4, 8) || StartsWith(head, size, "avis", 4, 8))
            return "AVIF";
        if (StartsWith(head, size, "heic", 4, 8) || StartsWith(head, size, "heix", 4, 8) ||
            StartsWith(head, size, "mif1", 4, 8))
            return "HEIF";
    }
    if (StartsWith(head, size, "\0\0\0\x0CjP  \r\n\x87\n", 12) || StartsWith(head, size, "\xFF\x4F\xFF\x51", 4))
        return "JPEG 2000";
    if (StartsWith(head, size, "\xFF\x0A", 2) || StartsWith(head, size, "\0\0\0\x0CJXL \r\n\x87\n", 12))
        return "JPEG XL";
    if (StartsWith(head, size, "\0\0\1\0", 4) && size >= 6 && (head[4] | head[5]) != 0)
        return "Windows icon";
    if (StartsWith(head, size, "#?RADIANCE", 10) || StartsWith(head, size, "#?RGBE", 6))
        return "Radiance HDR";
    if (StartsWith(head, size, "P1", 2) || StartsWith(head, size, "P2", 2) || StartsWith(head, size, "P3", 2) ||
        StartsWith(head, size, "P4", 2) || StartsWith(head, size, "P7", 2))
        return "text or bilevel PNM";
    return nullptr;
}
