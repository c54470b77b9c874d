// JPEG files through libjpeg-turbo (accurate integer IDCT, smooth chroma upsampling: what its own
// djpeg gives). Rows nobody wants are skipped: whole iMCU rows are passed over without their
// inverse DCT, and rows inside a decoded iMCU row without their colour conversion.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture/RowReceiver.h"

// A RowReader.
ImageProblem ReadJpegRows(const uint8_t* file,
                          size_t size,
                          uint64_t maxPixels,
                          RowReceiver* receiver,
                          const DiscardRange& discard = {});
