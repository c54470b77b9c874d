// A file image read forwards by a decoder, the part it has used handed to `discard` (a mapped file
// then need not stay resident) in batches, because each discard is a system call.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture/ImageDecoder.h"

struct ForwardReader {
    static constexpr size_t kDiscardBatch = size_t(4) << 20;

    const uint8_t* data;
    size_t size;
    const DiscardRange* discard;  // may be null or empty
    size_t position = 0;          // the first byte the decoder has not been given
    size_t discarded = 0;

    size_t Left() const { return size - position; }

    // Everything before `position` has been used.
    void Used() {
        if (discard && *discard && position >= discarded + kDiscardBatch) {
            (*discard)(discarded, position - discarded);
            discarded = position;
        }
    }
};
