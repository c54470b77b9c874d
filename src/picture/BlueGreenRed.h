// The decoders' pixels (grey, grey and alpha, red green blue, or red green blue alpha: 1 to 4
// bytes) as the blue, green, red of this program. Transparency is composited over black, the
// default margin colour, each channel becoming colour * alpha / 255 rounded to nearest.
#pragma once

#include <cstddef>
#include <cstdint>

inline uint8_t OverBlack(uint8_t colour, uint8_t alpha) {
    return static_cast<uint8_t>((colour * alpha + 127) / 255);
}

// One pixel of `channels` bytes; its alpha (the last byte of 2 or 4) counts only when `transparent`.
inline void ToBlueGreenRed(const uint8_t* in, int channels, bool transparent, uint8_t* out) {
    const bool grey = channels <= 2;
    const uint8_t red = in[0], green = grey ? in[0] : in[1], blue = grey ? in[0] : in[2];
    const uint8_t alpha = transparent && (channels == 2 || channels == 4) ? in[channels - 1] : 255;
    if (alpha == 255) {
        out[0] = blue;
        out[1] = green;
        out[2] = red;
        return;
    }
    out[0] = OverBlack(blue, alpha);
    out[1] = OverBlack(green, alpha);
    out[2] = OverBlack(red, alpha);
}
