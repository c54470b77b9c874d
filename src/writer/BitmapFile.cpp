#include "writer/BitmapFile.h"

#include <new>
#include <string_view>

#include "gen/writer_texts.h"
#include "platform/Platform.h"

namespace {

void Put16(uint8_t* at, uint32_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

void Put32(uint8_t* at, uint32_t value) {
    Put16(at, value);
    Put16(at + 2, value >> 16);
}

}  // namespace

void InitBitmapHeaders(uint8_t* fileHeader, uint8_t* infoHeader, int32_t width, int32_t height) {
    const uint32_t imageSize = static_cast<uint32_t>(BitmapStride(width)) * static_cast<uint32_t>(height);
    Put16(fileHeader + 0, 0x4D42);  // "BM"
    Put32(fileHeader + 2, static_cast<uint32_t>(kBitmapHeadersBytes) + imageSize);
    Put32(fileHeader + 6, 0);  // both reserved words
    Put32(fileHeader + 10, static_cast<uint32_t>(kBitmapHeadersBytes));
    Put32(infoHeader + 0, 40);
    Put32(infoHeader + 4, static_cast<uint32_t>(width));
    Put32(infoHeader + 8, static_cast<uint32_t>(height));
    Put16(infoHeader + 12, 1);
    Put16(infoHeader + 14, 24);
    Put32(infoHeader + 16, 0);
    Put32(infoHeader + 20, imageSize);
    for (int field = 24; field < 40; field += 4)  // resolutions and colour counts
        Put32(infoHeader + field, 0);
}

int BitmapImage::Create(int32_t width, int32_t height) {
    block_.reset();
    size_ = 0;
    width_ = height_ = 0;
    constexpr int32_t kLargestSide = 0x7FFF;  // far beyond any skin bitmap, and no overflow below
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide)
        return 0;
    const size_t size = kBitmapHeadersBytes + static_cast<size_t>(BitmapStride(width)) * static_cast<size_t>(height);
    block_.reset(new (std::nothrow) uint8_t[size]());
    if (!block_)
        return 0;
    size_ = size;
    width_ = width;
    height_ = height;
    InitBitmapHeaders(block_.get(), block_.get() + kBitmapFileHeaderBytes, width, height);
    return 1;
}

void ShowBitmapWriteFailed(const std::string& name) {
    std::string message(kBitmapWriteFailedBefore);
    message += name;
    message += kBitmapWriteFailedAfter;
    platform::ShowMessage(message);
}

bool WriteSkinFile(const std::string& name, const void* data, size_t size, const SkinFileSink& sink) {
    std::string why;
    return sink ? sink(name, static_cast<const uint8_t*>(data), size, why)
                : platform::WriteFileAtomically(name, data, size, &why);
}

int WriteBitmapFile(const std::string& name, const uint8_t* image, size_t length, const SkinFileSink& sink) {
    if (WriteSkinFile(name, image, length, sink))
        return 1;
    ShowBitmapWriteFailed(name);
    return 0;
}

int EncodeBitmap24(const DibBuffer& source, BitmapImage& out) {
    if (source.IsEmpty() || source.Header()->info.bitCount != 32 || source.Header()->info.height <= 0 ||
        source.PixelBytes() < static_cast<size_t>(source.RowBytes()) * static_cast<size_t>(source.Height()))
        return 0;
    if (!out.Create(source.Width(), source.Height()))
        return 0;
    for (int32_t r = 0; r < source.Height(); ++r) {
        const uint8_t* s = source.Pixels() + static_cast<size_t>(r) * static_cast<size_t>(source.RowBytes());
        uint8_t* d = out.Row(r);
        for (int32_t j = 0; j < source.Width(); ++j, s += 4, d += 3) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
    }
    return 1;
}
