// Opening a picture straight into its two fitted copies (275 x 232 and 275 x 116).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "picture/DibBuffer.h"
#include "picture/ReadPicture.h"

inline constexpr int32_t kFitBoxWidth = 275;
inline constexpr int32_t kFitBoxHeightMainEq = 232;
inline constexpr int32_t kFitBoxHeightMain = 116;

// Gives fit232 and fit116 exactly what ReadPicture followed by FitPicture into each box gives. A
// picture a plug-in delivers is read whole and fitted; a bitmap file is fitted straight from its
// mapping, reading only the rows the sampler needs and letting each go once it is behind, so a
// very large file never has to be held in memory. Returns 1; on 0 both outputs are unchanged.
// Shows the wait cursor throughout.
int OpenAndFitPicture(const std::string& path,
                      DibBuffer& fit232,
                      DibBuffer& fit116,
                      const PictureDecoder& plugins = {});

// Receives a range of the file image [offset, offset + length) that the fitting will not read again.
using DiscardRange = std::function<void(size_t offset, size_t length)>;

// The bitmap half of OpenAndFitPicture, on a file image in memory: fits the file straight into both
// boxes, reading only the rows the sampler needs and reporting the rows left behind to `discard`.
// Returns 1; 0 when the file is refused or the copies cannot be allocated, outputs unchanged.
int FitBmpMemory(const uint8_t* file,
                 size_t size,
                 DibBuffer& fit232,
                 DibBuffer& fit116,
                 const DiscardRange& discard = {});
