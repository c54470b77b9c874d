#include "picture/ImageDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "picture/BmpReader.h"
#include "picture/ImageCompleteness.h"
#include "picture/JpegStructure.h"
#include "picture/StbImage.h"

namespace {

// The file image as stb_image's callbacks see it: read forwards, with the part behind the reader
// handed to `discard` in batches (each discard is a system call).
constexpr size_t kDiscardBatch = size_t(4) << 20;

struct FileReader {
    const uint8_t* data;
    size_t size;
    const DiscardRange* discard;
    size_t position = 0;
    size_t discarded = 0;

    static int Read(void* user, char* out, int count) {
        auto& reader = *static_cast<FileReader*>(user);
        const size_t left = reader.size - reader.position;
        const size_t n = count <= 0 ? 0 : static_cast<size_t>(count) < left ? static_cast<size_t>(count) : left;
        std::memcpy(out, reader.data + reader.position, n);
        reader.position += n;
        if (reader.discard && *reader.discard && reader.position >= reader.discarded + kDiscardBatch) {
            (*reader.discard)(reader.discarded, reader.position - reader.discarded);
            reader.discarded = reader.position;
        }
        return static_cast<int>(n);
    }
    // A negative count steps back over bytes already read.
    static void Skip(void* user, int count) {
        auto& reader = *static_cast<FileReader*>(user);
        if (count < 0)
            reader.position -= std::min(reader.position, static_cast<size_t>(-static_cast<int64_t>(count)));
        else
            reader.position += std::min(reader.size - reader.position, static_cast<size_t>(count));
    }
    static int AtEnd(void* user) {
        const auto& reader = *static_cast<FileReader*>(user);
        return reader.position >= reader.size;
    }
};

constexpr stbi_io_callbacks kCallbacks = {&FileReader::Read, &FileReader::Skip, &FileReader::AtEnd};

uint32_t ReadU32BigEndian(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
           p[3];
}

// A PNM header's width and height as written, when one is too large to hold (the decoder would
// wrap it); else empty.
std::string OversizedPnmDimensions(const uint8_t* file, size_t size) {
    const PnmHeader header = ReadPnmHeader(file, size);
    for (const std::string& number : {header.numbers[0], header.numbers[1]}) {
        const size_t start = std::min(number.find_first_not_of('0'), number.size());
        if (number.size() - start > 10 || (number.size() - start == 10 && number.substr(start) > "2147483647"))
            return header.numbers[0] + " x " + header.numbers[1];
    }
    return std::string();
}

bool IsOutOfMemory(const char* reason) {
    return reason && std::strcmp(reason, "Out of memory") == 0;
}

uint8_t OverBlack(uint8_t colour, uint8_t alpha) {
    return static_cast<uint8_t>((colour * alpha + 127) / 255);
}

// Whether any pixel of `channels` bytes, the last of them alpha, is not fully transparent.
bool HasTransparency(const uint8_t* pixels, size_t count, int channels) {
    for (size_t i = 0; i < count; ++i) {
        if (pixels[channels * i + channels - 1] != 0)
            return true;
    }
    return false;
}

// Turns the decoder's 1 (grey), 2 (grey, alpha), 3 (red, green, blue) or 4 (and alpha) bytes a
// pixel into blue, green, red, in place: a block too small for three bytes a pixel grows first and
// is then filled from its end, each pixel's new bytes landing at or after its old ones; a larger
// one is filled from its start, each pixel's new bytes landing at or before them. Every pixel is
// read whole before it is written. Returns the block, or null when it could not grow (the old
// block is then freed).
uint8_t* ToBlueGreenRed(uint8_t* pixels, size_t count, int channels) {
    const bool transparent = (channels == 2 || channels == 4) && HasTransparency(pixels, count, channels);
    auto convert = [&](size_t i) {
        const uint8_t* in = pixels + channels * i;
        const bool grey = channels <= 2;
        const uint8_t red = in[0], green = grey ? in[0] : in[1], blue = grey ? in[0] : in[2];
        const uint8_t alpha = transparent ? in[channels - 1] : 255;
        uint8_t* out = pixels + 3 * i;
        out[0] = OverBlack(blue, alpha);
        out[1] = OverBlack(green, alpha);
        out[2] = OverBlack(red, alpha);
    };
    if (channels < 3) {
        auto* grown = static_cast<uint8_t*>(std::realloc(pixels, 3 * count));
        if (!grown) {
            stbi_image_free(pixels);
            return nullptr;
        }
        pixels = grown;
        for (size_t i = count; i-- > 0;)
            convert(i);
        return pixels;
    }
    for (size_t i = 0; i < count; ++i)
        convert(i);
    if (channels == 4) {
        // The fourth bytes are gone: give their quarter back (a shrink keeps the block or moves it whole).
        if (auto* smaller = static_cast<uint8_t*>(std::realloc(pixels, 3 * count)))
            pixels = smaller;
    }
    return pixels;
}

}  // namespace

void DecodedImage::Free::operator()(uint8_t* pixels) const {
    stbi_image_free(pixels);
}

PixelSource DecodedImage::Source() const {
    PixelSource source;
    source.width = width_;
    source.height = height_;
    source.bitCount = 24;
    source.rows = pixels_.get();
    source.stride = 3 * static_cast<size_t>(width_);
    source.topDown = true;
    return source;
}

std::string Describe(const ImageProblem& problem) {
    const std::string name = FormatName(problem.format);
    const std::string size =
        (problem.sizeText.empty() ? std::to_string(problem.width) + " x " + std::to_string(problem.height)
                                  : problem.sizeText) +
        " pixels";
    switch (problem.error) {
        case ImageError::None:
            return "read";
        case ImageError::Unrecognised:
            return "not a picture this program reads";
        case ImageError::TooLarge:
            return name + " picture of " + size + ", more than the " + std::to_string(kMaxImagePixels) +
                   " pixels this program reads";
        case ImageError::Truncated:
            return "truncated " + name + " picture: the file ends before the picture does";
        case ImageError::Damaged:
            return "looks like a " + name + " picture, but it is damaged (" + problem.detail + ")";
        case ImageError::Unsupported:
            return "a " + name + " picture this program does not read: " + problem.detail;
        case ImageError::OutOfMemory:
            return name + " picture of " + size + ": not enough memory to decode it";
    }
    return "unknown";
}

ImageProblem ProbeImage(const uint8_t* file, size_t size, uint64_t maxPixels) {
    ImageProblem problem;
    problem.format = IdentifyImage(file, size);
    if (problem.format == ImageFormat::None) {
        problem.error = ImageError::Unrecognised;
        return problem;
    }
    // The decoder reads a JPEG's tables while it reads its header: the file is checked first.
    if (problem.format == ImageFormat::Jpeg) {
        const JpegStructure structure = CheckJpegStructure(file, size);
        problem.width = structure.width;
        problem.height = structure.height;
        if (uint64_t(structure.width) * uint64_t(structure.height) > maxPixels) {
            problem.error = ImageError::TooLarge;
            return problem;
        }
        if (structure.verdict != JpegVerdict::Sound) {
            problem.error = structure.verdict == JpegVerdict::Truncated ? ImageError::Truncated : ImageError::Damaged;
            problem.detail = structure.detail;
            return problem;
        }
    }
    // stb_image unpacks a 16-bit PSD's RLE rows as 8-bit ones, which gives coloured noise.
    if (problem.format == ImageFormat::Psd) {
        const PsdLayout layout = ReadPsdLayout(file, size);
        if (layout.depth == 16 && layout.compression == 1) {
            problem.error = ImageError::Unsupported;
            problem.detail = "16 bits a channel with RLE compression (save it with 8 bits, or uncompressed)";
            return problem;
        }
    }
    if (problem.format == ImageFormat::Pnm) {
        problem.sizeText = OversizedPnmDimensions(file, size);
        if (!problem.sizeText.empty()) {
            problem.error = ImageError::TooLarge;
            return problem;
        }
    }
    FileReader reader{file, size, nullptr};
    int width = 0, height = 0, components = 0;
    if (!stbi_info_from_callbacks(&kCallbacks, &reader, &width, &height, &components)) {
        // stb_image refuses a PNG header past its own size limit without saying so; the header
        // itself still tells how large the picture claims to be.
        if (problem.format == ImageFormat::Png && size >= 24) {
            problem.width = static_cast<int32_t>(ReadU32BigEndian(file + 16) & 0x7FFFFFFF);
            problem.height = static_cast<int32_t>(ReadU32BigEndian(file + 20) & 0x7FFFFFFF);
            if (uint64_t(problem.width) * uint64_t(problem.height) > maxPixels) {
                problem.error = ImageError::TooLarge;
                return problem;
            }
        }
        problem.error = ImageError::Damaged;
        problem.detail = stbi_failure_reason() ? stbi_failure_reason() : "unreadable header";
        return problem;
    }
    problem.width = width;
    problem.height = height;
    if (width <= 0 || height <= 0) {
        problem.error = ImageError::Damaged;
        problem.detail = "no pixels";
    } else if (uint64_t(width) * uint64_t(height) > maxPixels) {
        problem.error = ImageError::TooLarge;
    }
    return problem;
}

ImageProblem DecodeImage(const uint8_t* file,
                         size_t size,
                         DecodedImage& image,
                         uint64_t maxPixels,
                         const DiscardRange& discard) {
    image = DecodedImage();
    ImageProblem problem = ProbeImage(file, size, maxPixels);
    if (problem.error != ImageError::None)
        return problem;

    if (!HoldsAllItsPixels(problem.format, file, size)) {
        problem.error = ImageError::Truncated;
        return problem;
    }

    FileReader reader{file, size, &discard};
    // Its own channel count: stb_image's conversions between counts mishandle 16-bit PNM.
    int width = 0, height = 0, channels = 0;
    uint8_t* pixels = stbi_load_from_callbacks(&kCallbacks, &reader, &width, &height, &channels, 0);
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        problem.error = IsOutOfMemory(reason) ? ImageError::OutOfMemory : ImageError::Damaged;
        problem.detail = reason ? reason : "undecodable";
        return problem;
    }
    if (width != problem.width || height != problem.height || channels < 1 || channels > 4) {
        stbi_image_free(pixels);
        problem.error = ImageError::Damaged;
        problem.detail = "the picture differs from its header";
        return problem;
    }
    pixels = ToBlueGreenRed(pixels, static_cast<size_t>(width) * static_cast<size_t>(height), channels);
    if (!pixels) {
        problem.error = ImageError::OutOfMemory;
        return problem;
    }
    image.pixels_.reset(pixels);
    image.width_ = width;
    image.height_ = height;
    return problem;
}

ImageProblem ReadImageMemory(const uint8_t* file, size_t size, DibBuffer& target, uint64_t maxPixels) {
    target.Release();
    DecodedImage image;
    ImageProblem problem = DecodeImage(file, size, image, maxPixels);
    if (problem.error != ImageError::None)
        return problem;
    if (!target.Allocate(image.Width(), image.Height(), 32)) {
        problem.error = ImageError::OutOfMemory;
        return problem;
    }
    ExpandTo32(image.Source(), target.Pixels());
    return problem;
}
