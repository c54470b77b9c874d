#include "picture/RowReceiver.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include <spng.h>

#include "picture/ForwardReader.h"

namespace {

// The chunks kept besides the picture (text, colour profiles, once inflated) may take this much in
// all; a chunk of the picture data itself may have any length the format allows.
constexpr size_t kChunkCacheLimit = size_t(64) << 20;
constexpr size_t kLongestChunk = 0x7FFFFFFF;

int ReadStream(spng_ctx*, void* user, void* destination, size_t length) {
    ForwardReader& reader = *static_cast<ForwardReader*>(user);
    if (length > reader.Left())
        return SPNG_IO_EOF;
    std::memcpy(destination, reader.data + reader.position, length);
    reader.position += length;
    reader.Used();
    return 0;
}

struct FreeContext {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

// Zero-filled: a pass of an interlaced picture writes only its own pixels of a row.
std::unique_ptr<uint8_t[]> Allocate(size_t bytes) {
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[bytes]());
}

// Whether any pixel of a red, green, blue, alpha row has an alpha other than zero.
bool AnyAlpha(const uint8_t* row, size_t rowBytes) {
    for (size_t at = 3; at < rowBytes; at += 4) {
        if (row[at] != 0)
            return true;
    }
    return false;
}

// Every decoded row of a picture with alpha passes by here until one shows its alpha matters.
struct AlphaWatch {
    bool watching;
    bool seen = false;
    void Look(const uint8_t* row, size_t rowBytes) { seen = seen || (watching && AnyAlpha(row, rowBytes)); }
};

ImageError ErrorOf(int code) {
    switch (code) {
        case SPNG_IO_EOF:
        case SPNG_EOF:
            return ImageError::Truncated;
        case SPNG_EMEM:
            return ImageError::OutOfMemory;
        default:
            return ImageError::Damaged;
    }
}

// Rows one after the other, each handed over when wanted.
int DecodeSequential(spng_ctx* context, RowReceiver& receiver, int32_t height, size_t rowBytes, AlphaWatch& alpha) {
    const auto row = Allocate(rowBytes);
    if (!row)
        return SPNG_EMEM;
    for (int32_t top = 0; top < height; ++top) {
        const int code = spng_decode_row(context, row.get(), rowBytes);
        if (code != 0 && code != SPNG_EOI)
            return code;
        alpha.Look(row.get(), rowBytes);
        if (receiver.NextWanted(top) == top)
            receiver.Take(top, row.get());
    }
    return 0;
}

// Every pass writes its pixels of a row into that row: the wanted rows are each kept whole until
// the last pass, the others go through one scratch row.
int DecodeInterlaced(spng_ctx* context, RowReceiver& receiver, int32_t height, size_t rowBytes, AlphaWatch& alpha) {
    std::vector<int32_t> wanted;
    for (int32_t top = receiver.NextWanted(0); top < height; top = receiver.NextWanted(top + 1))
        wanted.push_back(top);
    const auto rows = Allocate((wanted.size() + 1) * rowBytes);
    if (!rows)
        return SPNG_EMEM;
    uint8_t* const scratch = rows.get() + wanted.size() * rowBytes;
    int code = 0;
    while (code == 0) {
        spng_row_info info{};
        if ((code = spng_get_row_info(context, &info)) != 0)
            break;
        const int32_t top = static_cast<int32_t>(info.row_num);
        const auto slot = std::lower_bound(wanted.begin(), wanted.end(), top);
        uint8_t* row = slot != wanted.end() && *slot == top
                           ? rows.get() + static_cast<size_t>(slot - wanted.begin()) * rowBytes
                           : scratch;
        code = spng_decode_row(context, row, rowBytes);
        alpha.Look(row, rowBytes);
    }
    if (code != SPNG_EOI)
        return code;
    for (size_t i = 0; i < wanted.size(); ++i)
        receiver.Take(wanted[i], rows.get() + i * rowBytes);
    return 0;
}

}  // namespace

ImageProblem ReadPngRows(const uint8_t* file,
                         size_t size,
                         uint64_t maxPixels,
                         RowReceiver* receiver,
                         const DiscardRange& discard) {
    ImageProblem problem;
    problem.format = ImageFormat::Png;
    const std::unique_ptr<spng_ctx, FreeContext> context(spng_ctx_new(0));
    if (!context) {
        problem.error = ImageError::OutOfMemory;
        return problem;
    }
    ForwardReader reader{file, size, &discard};
    spng_set_png_stream(context.get(), ReadStream, &reader);
    spng_set_chunk_limits(context.get(), kLongestChunk, kChunkCacheLimit);
    auto fail = [&](int code) {
        problem.error = ErrorOf(code);
        if (problem.error == ImageError::Damaged)
            problem.detail = spng_strerror(code);
        return problem;
    };

    spng_ihdr header{};
    if (const int code = spng_get_ihdr(context.get(), &header))
        return fail(code);
    problem.width = static_cast<int32_t>(header.width);
    problem.height = static_cast<int32_t>(header.height);
    if (uint64_t(header.width) * header.height > maxPixels) {
        problem.error = ImageError::TooLarge;
        return problem;
    }
    if (!receiver)
        return problem;

    // An alpha channel, or a transparent colour (tRNS) that becomes one.
    spng_trns transparency{};
    const int trns = spng_get_trns(context.get(), &transparency);
    if (trns != 0 && trns != SPNG_ECHUNKAVAIL)
        return fail(trns);
    const bool alpha = header.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA ||
                       header.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA || trns == 0;
    const int channels = alpha ? 4 : 3;
    if (const int code = spng_decode_image(context.get(), nullptr, 0, alpha ? SPNG_FMT_RGBA8 : SPNG_FMT_RGB8,
                                           SPNG_DECODE_PROGRESSIVE | SPNG_DECODE_TRNS))
        return fail(code);
    if (!receiver->Start(problem.width, problem.height, channels)) {
        problem.error = ImageError::OutOfMemory;
        return problem;
    }
    const size_t rowBytes = static_cast<size_t>(channels) * header.width;
    AlphaWatch watch{alpha};
    const int code = header.interlace_method
                         ? DecodeInterlaced(context.get(), *receiver, problem.height, rowBytes, watch)
                         : DecodeSequential(context.get(), *receiver, problem.height, rowBytes, watch);
    if (code != 0)
        return fail(code);
    if (alpha)
        receiver->SetTransparency(watch.seen);
    // The chunks after the picture, up to the end marker: a file cut after its last row is cut too.
    if (const int after = spng_decode_chunks(context.get()))
        return fail(after);
    return problem;
}
