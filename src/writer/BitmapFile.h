// The 24-bit bitmap files of a skin: one contiguous block of the 14-byte file header, the 40-byte
// info header and the bottom-up pixel rows, written in one piece.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "picture/DibBuffer.h"

constexpr size_t kBitmapFileHeaderBytes = 14;
constexpr size_t kBitmapHeadersBytes = 54;

// Fills the file header ("BM", file size 54 + S * h, pixel offset 54) and the info header (40,
// w, h positive, 1 plane, 24 bits, uncompressed, image size S * h, the rest 0), S being 3w rounded
// up to a multiple of 4. All fields little-endian.
void InitBitmapHeaders(uint8_t* fileHeader, uint8_t* infoHeader, int32_t width, int32_t height);

// Bytes per stored row of a 24-bit bitmap of that width.
constexpr int32_t BitmapStride(int32_t width) {
    return (3 * width + 3) / 4 * 4;
}

// A zero-filled file image of a 24-bit bitmap with its headers in place.
class BitmapImage {
  public:
    // Takes a block of exactly the file size. Returns 1; 0 for a size that is not positive or too
    // large for the header fields, or when memory is refused (nothing is shown).
    int Create(int32_t width, int32_t height);

    const uint8_t* Data() const { return block_.get(); }
    size_t Size() const { return size_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t Stride() const { return BitmapStride(width_); }
    uint8_t* Row(int32_t storedRow) {
        return block_.get() + kBitmapHeadersBytes + static_cast<size_t>(storedRow) * static_cast<size_t>(Stride());
    }
    const uint8_t* Row(int32_t storedRow) const { return const_cast<BitmapImage*>(this)->Row(storedRow); }

  private:
    std::unique_ptr<uint8_t[]> block_;
    size_t size_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

// Where a save puts each file it makes, under its bare name. Empty: straight into the working
// directory, each file replaced in one step (the program). The command line gathers them instead,
// to replace them all together. False when the file could not be taken, `why` saying why.
using SkinFileSink = std::function<bool(const std::string& name, const uint8_t* data, size_t size, std::string& why)>;

// Writes one file of a skin to the sink, or replaces it in the working directory in one step when
// there is none (never left in part; a read-only file or a folder of that name is kept). False
// when it could not be written.
bool WriteSkinFile(const std::string& name, const void* data, size_t size, const SkinFileSink& sink);

// Writes a bitmap's file image with WriteSkinFile. Returns 1; 0 when it cannot be written, after
// showing a message that names the file.
int WriteBitmapFile(const std::string& name, const uint8_t* image, size_t length, const SkinFileSink& sink = {});

// The message of a bitmap file that could not be made or written, naming it; the save stops.
void ShowBitmapWriteFailed(const std::string& name);

// The 24-bit file image of a 32-bit buffer (fourth bytes dropped, rows kept bottom-up). Returns 1;
// 0 for a buffer that is not 32-bit bottom-up or when memory is refused.
int EncodeBitmap24(const DibBuffer& source, BitmapImage& out);
