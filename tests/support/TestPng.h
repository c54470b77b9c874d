// PNG file images written by the tests themselves, so that every byte the decoder reads comes from
// outside it: the scanlines go unfiltered into uncompressed deflate blocks.
#pragma once

#include <cstdint>
#include <vector>

// colourType: 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA. rows: top row first, each packed as
// PNG stores it, without the filter byte. palette: PLTE (red, green, blue per entry); alphas: tRNS.
std::vector<uint8_t> MakePng(uint32_t width,
                             uint32_t height,
                             uint8_t bitDepth,
                             uint8_t colourType,
                             const std::vector<uint8_t>& rows,
                             const std::vector<uint8_t>& palette = {},
                             const std::vector<uint8_t>& alphas = {});
