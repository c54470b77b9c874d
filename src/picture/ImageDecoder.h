// Pictures in the common formats decoded into blue, green and red: JPEG by libjpeg-turbo, PNG by
// libspng, GIF, TGA, PSD and PNM by stb_image. The command line links it and the program's own
// image plug-in wraps it, so both read every picture to the same pixels.
//
// Transparency: a picture with an alpha channel is composited over black, the default margin
// colour, each channel becoming colour * alpha / 255 rounded to nearest. A picture whose alpha is
// zero everywhere has no real transparency (32-bit TGA writers often leave it empty) and is read
// opaque. A GIF gives its first frame; 16-bit channels keep their high byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "picture/DibBuffer.h"
#include "picture/PictureKind.h"
#include "picture/PixelSource.h"

// The largest picture read: 2^28 pixels, 1 GiB as 32 bits. Larger ones are refused from their
// header, before anything is allocated.
inline constexpr uint64_t kMaxImagePixels = uint64_t(1) << 28;

// Receives a range of the file image [offset, offset + length) that the reader will not read again.
using DiscardRange = std::function<void(size_t offset, size_t length)>;

enum class ImageError {
    None,
    Unrecognised,  // none of the formats above
    TooLarge,      // more pixels than the bound, or a file too long to address
    Truncated,     // ends before the picture does
    Damaged,       // the decoder refused the data; `detail` says why
    Unsupported,   // a variant of the format the decoder does not read (12-bit JPEG); `detail` says which
    OutOfMemory,
};

// The outcome of a read, with what is known of the picture (format, size) for the message.
struct ImageProblem {
    ImageError error = ImageError::None;
    ImageFormat format = ImageFormat::None;
    int32_t width = 0;
    int32_t height = 0;
    std::string sizeText;  // "W x H" as the file writes them, where they are too large to hold
    std::string detail;    // the decoder's own words, for Damaged and Unsupported
};

// Why a picture was refused, in words for the command line's message.
std::string Describe(const ImageProblem& problem);

// A decoded picture: blue, green, red per pixel, rows top-down, exactly 3 * width bytes each.
class DecodedImage {
  public:
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    const uint8_t* Rows() const { return pixels_.get(); }
    // The rows as a 24-bit top-down source for the expansion and the fitting.
    PixelSource Source() const;

  private:
    friend ImageProblem DecodeImage(const uint8_t*, size_t, DecodedImage&, uint64_t, const DiscardRange&);
    struct Free {
        void operator()(uint8_t* pixels) const;
    };
    std::unique_ptr<uint8_t, Free> pixels_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

// Reads the header of a file image: format and size, refusing more than maxPixels pixels.
ImageProblem ProbeImage(const uint8_t* file, size_t size, uint64_t maxPixels = kMaxImagePixels);

// Decodes a whole file image into `image` (left empty on failure). `discard` learns of the parts of
// the file already read, so that a mapped file need not stay resident. (FitImageMemory fits a JPEG
// or PNG without ever holding it whole.)
ImageProblem DecodeImage(const uint8_t* file,
                         size_t size,
                         DecodedImage& image,
                         uint64_t maxPixels = kMaxImagePixels,
                         const DiscardRange& discard = {});

// Decodes into `target` as the program's 32-bit bottom-up picture (fourth bytes 0). The target is
// released first and is empty after a failure.
ImageProblem ReadImageMemory(const uint8_t* file, size_t size, DibBuffer& target, uint64_t maxPixels = kMaxImagePixels);
