#include "picture/DibBuffer.h"

#include <cstdlib>
#include <new>
#include <utility>

#include "gen/picture_texts.h"
#include "platform/Platform.h"

int32_t RowBytesFor(int32_t bitCount, int32_t width) {
    if (width < 0)
        return -1;
    const int64_t w = width;
    int64_t bytes;
    switch (bitCount) {
        case 1:
            bytes = ((w + 7) / 8 + 3) / 4 * 4;
            break;
        case 4:
            bytes = ((w + 1) / 2 + 3) / 4 * 4;
            break;
        case 8:
            bytes = (w + 3) / 4 * 4;
            break;
        case 16:
            bytes = (2 * w + 3) / 4 * 4;
            break;
        case 24:
            bytes = (3 * w + 3) / 4 * 4;
            break;
        case 32:
            bytes = 4 * w;
            break;
        default:
            return -1;
    }
    return bytes > INT32_MAX ? -1 : static_cast<int32_t>(bytes);
}

DibBuffer::DibBuffer(DibBuffer&& other) noexcept
    : header_(std::move(other.header_)),
      pixels_(std::move(other.pixels_)),
      pixelBytes_(std::exchange(other.pixelBytes_, 0)) {}

DibBuffer& DibBuffer::operator=(DibBuffer&& other) noexcept {
    if (this != &other) {
        header_ = std::move(other.header_);
        pixels_ = std::move(other.pixels_);
        pixelBytes_ = std::exchange(other.pixelBytes_, 0);
    }
    return *this;
}

int DibBuffer::Allocate(int32_t width, int32_t height, int32_t bitCount) {
    DibHeaderBlock header;
    header.info.size = sizeof(BitmapInfoHeader);
    header.info.planes = 1;
    return AllocateFrom(header, width, height, bitCount);
}

int DibBuffer::AllocateFrom(const DibHeaderBlock& from, int32_t width, int32_t height, int32_t bitCount) {
    const int32_t rowBytes = RowBytesFor(bitCount, width);
    // The image size must fit the header's 32-bit field; anything larger could not be described.
    const uint64_t bytes = rowBytes < 0 || height < 0 ? UINT64_MAX : uint64_t(rowBytes) * uint64_t(height);
    if (bytes > UINT32_MAX || bytes > SIZE_MAX) {
        Release();
        platform::ShowPlainMessage(kDibCreateFailed);
        return 0;
    }
    auto header = std::unique_ptr<DibHeaderBlock>(new (std::nothrow) DibHeaderBlock(from));
    auto pixels = std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[bytes > 0 ? bytes : 1]());
    if (!header || !pixels) {
        Release();
        platform::ShowPlainMessage(kDibCreateFailed);
        return 0;
    }
    header->info.width = width;
    header->info.height = height;
    header->info.bitCount = static_cast<uint16_t>(bitCount);
    header->info.compression = 0;
    header->info.sizeImage = static_cast<uint32_t>(bytes);
    header_ = std::move(header);
    pixels_ = std::move(pixels);
    pixelBytes_ = static_cast<size_t>(bytes);
    return 1;
}

void DibBuffer::Release() {
    header_.reset();
    pixels_.reset();
    pixelBytes_ = 0;
}

int32_t DibBuffer::Width() const {
    return header_ ? header_->info.width : -1;
}

int32_t DibBuffer::Height() const {
    if (!header_)
        return -1;
    const int32_t h = header_->info.height;
    return h < 0 ? -h : h;  // INT32_MIN never reaches a header: Allocate refuses negative heights
}

int32_t DibBuffer::RowBytes() const {
    return header_ ? RowBytesFor(header_->info.bitCount, header_->info.width) : -1;
}
