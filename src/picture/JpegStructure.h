// A walk over a JPEG file's segments before stb_image decodes it. The decoder of Debian's libstb-dev
// trusts two things a damaged or hostile file can break: the symbol counts of a Huffman table
// (over 256 write past its tables) and a scan's tables having been defined (an undefined one is
// read uninitialised, past its arrays). It also decodes a file cut short, filling the rest grey.
// Files with any of these are refused here; the walk sees the markers where the decoder will.
#pragma once

#include <cstddef>
#include <cstdint>

enum class JpegVerdict { Sound, Truncated, Damaged };

struct JpegStructure {
    JpegVerdict verdict = JpegVerdict::Sound;
    const char* detail = "";  // a short reason when Damaged
    // As the frame header declares them (0 until it is seen), so that a file cut short after it
    // can still be told too large.
    int32_t width = 0;
    int32_t height = 0;
};

JpegStructure CheckJpegStructure(const uint8_t* file, size_t size);
