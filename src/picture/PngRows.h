// PNG files through libspng (and zlib), decoded row by row: every row is inflated and unfiltered,
// as the format requires, but only the wanted rows are kept. An interlaced picture delivers its
// wanted rows once the last pass is in, each held whole meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture/RowReceiver.h"

// A RowReader.
ImageProblem ReadPngRows(const uint8_t* file,
                         size_t size,
                         uint64_t maxPixels,
                         RowReceiver* receiver,
                         const DiscardRange& discard = {});
