// An in-memory device-independent bitmap: a 44-byte header block (the 40-byte bitmap info header
// and one palette slot) and a pixel block. Every picture, fitted copy and canvas is one.
//
// Pixel layout of the 32-bit buffers this program makes: 4 bytes per pixel in the order blue,
// green, red, fourth byte; rows of exactly 4 * width bytes with nothing between them; the first
// row in memory is the bottom row of the picture (the header height is positive).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The standard 40-byte BITMAPINFOHEADER, little-endian on every platform we build for.
struct BitmapInfoHeader {
    uint32_t size = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t clrUsed = 0;
    uint32_t clrImportant = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40, "the info header is exactly 40 bytes");

// The header block: the info header followed by one 4-byte palette slot.
struct DibHeaderBlock {
    BitmapInfoHeader info;
    uint8_t paletteSlot[4] = {};
};
static_assert(sizeof(DibHeaderBlock) == 44, "the header block is exactly 44 bytes");

// Bytes per stored row for a bit count and width (rows aligned to 4 bytes); -1 for a bit count
// that has no row layout here, or a row that would not fit in 32 bits.
int32_t RowBytesFor(int32_t bitCount, int32_t width);

class DibBuffer {
  public:
    DibBuffer() = default;
    ~DibBuffer() { Release(); }
    DibBuffer(const DibBuffer&) = delete;
    DibBuffer& operator=(const DibBuffer&) = delete;
    DibBuffer(DibBuffer&& other) noexcept;
    DibBuffer& operator=(DibBuffer&& other) noexcept;

    // Takes a fresh header for width x height at bitCount (compression 0, positive height, image
    // size RowBytes * height) and a zero-filled pixel block. Returns 1; 0 when the sizes are not
    // representable or the memory cannot be had, in which case "DIB作成失敗" is shown (in the plain
    // box, platform::ShowPlainMessage) and the buffer is left empty. Callers use it on empty buffers.
    int Allocate(int32_t width, int32_t height, int32_t bitCount);

    // Like Allocate, but the header block is a copy of `header` with the given size fields; the
    // fitted copies keep the other fields of their source's header.
    int AllocateFrom(const DibHeaderBlock& header, int32_t width, int32_t height, int32_t bitCount);

    // Frees both blocks; safe on an empty buffer.
    void Release();

    bool IsEmpty() const { return !header_; }
    // -1 while the buffer has no header.
    int32_t Width() const;
    int32_t Height() const;  // absolute value of the header height
    int32_t RowBytes() const;

    const DibHeaderBlock* Header() const { return header_.get(); }
    DibHeaderBlock* Header() { return header_.get(); }
    const uint8_t* Pixels() const { return pixels_.get(); }
    uint8_t* Pixels() { return pixels_.get(); }
    size_t PixelBytes() const { return pixelBytes_; }

  private:
    std::unique_ptr<DibHeaderBlock> header_;
    std::unique_ptr<uint8_t[]> pixels_;
    size_t pixelBytes_ = 0;
};
