// What a file's first bytes say it is: one of the formats the image decoder reads, or the name of
// a known format that nothing here reads.
#pragma once

#include <cstddef>
#include <cstdint>

enum class ImageFormat { None, Png, Jpeg, Gif, Tga, Psd, Pnm };

// "PNG", "JPEG", ...; "" for None.
const char* FormatName(ImageFormat format);

// The format of a file that starts with the `size` bytes at `head` (a plug-in is shown 2 KB). By
// signature, except TGA, which has none and is told by a plausible header. Binary PNM only (P5, P6).
ImageFormat IdentifyImage(const uint8_t* head, size_t size);

// The name of a well-known picture format that no reader here takes ("WebP", "TIFF", ...), or null.
const char* UnreadFormatName(const uint8_t* head, size_t size);
