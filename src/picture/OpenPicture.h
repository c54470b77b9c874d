// Opening a picture straight into its two fitted copies (275 x 232 and 275 x 116).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "picture/DibBuffer.h"
#include "picture/ImageDecoder.h"
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

// The bitmap half of OpenAndFitPicture, on a file image in memory: fits the file straight into both
// boxes, reading only the rows the sampler needs and reporting the rows left behind to `discard`.
// Returns 1; 0 when the file is refused or the copies cannot be allocated, outputs unchanged.
int FitBmpMemory(const uint8_t* file,
                 size_t size,
                 DibBuffer& fit232,
                 DibBuffer& fit116,
                 const DiscardRange& discard = {});

// The decoder's counterpart of FitBmpMemory: decodes a PNG, JPEG, GIF, TGA, PSD or PNM file image
// and fits its rows straight into both boxes, giving what ReadImageMemory followed by FitPicture
// gives without the 32-bit copy of the whole picture; a JPEG or PNG is never held whole, and only
// the rows the sampler reads are decoded (JPEG) or kept (PNG). Returns 1; on 0 the outputs are unchanged and
// `problem` says why.
int FitImageMemory(const uint8_t* file,
                   size_t size,
                   DibBuffer& fit232,
                   DibBuffer& fit116,
                   ImageProblem& problem,
                   const DiscardRange& discard = {});

// The command line's reading of a file image in memory: the image decoder for the formats it reads,
// the bitmap reader for every other file. Returns 1; on 0 `why` says why it was refused.
int FitAnyPictureMemory(const uint8_t* file,
                        size_t size,
                        DibBuffer& fit232,
                        DibBuffer& fit116,
                        std::string& why,
                        const DiscardRange& discard = {});

// The command line's open: the image decoder for the formats it reads, the bitmap reader for every
// other file. Returns 1; on 0 the outputs are unchanged and `why` says, in words for a message, why
// the picture was refused (a file that shrinks while it is read is refused as truncated).
int OpenAndFitAnyPicture(const std::string& path, DibBuffer& fit232, DibBuffer& fit116, std::string& why);
