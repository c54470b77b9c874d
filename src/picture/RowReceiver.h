// The JPEG and PNG readers and what they hand their rows to: rows top-down, as red, green, blue
// and, for a picture with alpha, alpha, 3 or 4 bytes a pixel with nothing between the pixels. The
// receiver says which rows it wants, so that a reader can skip decoding the others.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture/ImageDecoder.h"

class RowReceiver {
  public:
    virtual ~RowReceiver() = default;
    // The picture's size and bytes a pixel (3, or 4 with alpha), before any row. False when the
    // receiver cannot take the picture (no memory); the read then ends with OutOfMemory.
    virtual bool Start(int32_t width, int32_t height, int channels) = 0;
    // The first row at or below `top` (rows counted from the top) that is wanted; `height` when
    // none is. It depends on `top` alone. Rows are delivered in increasing order, only when wanted.
    virtual int32_t NextWanted(int32_t top) const = 0;
    virtual void Take(int32_t top, const uint8_t* row) = 0;
    // After the last row of a picture with alpha: whether any pixel of it, wanted or not, has an
    // alpha other than zero. When none has, the alpha means nothing (32-bit writers often leave it
    // empty) and the picture is read opaque.
    virtual void SetTransparency(bool transparent) = 0;
};

// A reader of one format: the header alone when `receiver` is null, else the picture into it. The
// size bound is checked from the header before anything is allocated.
using RowReader = ImageProblem (*)(const uint8_t* file,
                                   size_t size,
                                   uint64_t maxPixels,
                                   RowReceiver* receiver,
                                   const DiscardRange& discard);

// The row reader of JPEG and PNG; null for the formats read whole (by stb_image).
RowReader RowReaderFor(ImageFormat format);

// JPEG through libjpeg-turbo (accurate integer IDCT, smooth chroma upsampling: what its own djpeg
// gives). Rows nobody wants are skipped: whole iMCU rows are passed over without their inverse
// DCT, and rows inside a decoded iMCU row without their colour conversion.
ImageProblem ReadJpegRows(const uint8_t* file,
                          size_t size,
                          uint64_t maxPixels,
                          RowReceiver* receiver,
                          const DiscardRange& discard);

// PNG through libspng (and zlib), row by row: every row is inflated and unfiltered, as the format
// requires, but only the wanted ones are kept. An interlaced picture delivers its wanted rows once
// its last pass is in, each held whole meanwhile.
ImageProblem ReadPngRows(const uint8_t* file,
                         size_t size,
                         uint64_t maxPixels,
                         RowReceiver* receiver,
                         const DiscardRange& discard);
