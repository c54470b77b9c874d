#include "picture/ImageDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "picture/BlueGreenRed.h"
#include "picture/BmpReader.h"
#include "picture/ForwardReader.h"
#include "picture/ImageCompleteness.h"
#include "picture/RowReceiver.h"
#include "picture/StbImage.h"

namespace {

// The file image as stb_image's callbacks see it.
struct FileReader : ForwardReader {
    static int Read(void* user, char* out, int count) {
        auto& reader = *static_cast<FileReader*>(user);
        const size_t left = reader.Left();
        const size_t n = count <= 0 ? 0 : static_cast<size_t>(count) < left ? static_cast<size_t>(count) : left;
        std::memcpy(out, reader.data + reader.position, n);
        reader.position += n;
        reader.Used();
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

// Whether any pixel of `channels` bytes, the last of them alpha, is not fully transparent.
bool HasTransparency(const uint8_t* pixels, size_t count, int channels) {
    for (size_t i = 0; i < count; ++i) {
        if (pixels[channels * i + channels - 1] != 0)
            return true;
    }
    return false;
}

// Turns 1 (grey), 2 (grey, alpha), 3 (red, green, blue) or 4 (and alpha) bytes a pixel into blue,
// green, red, the alpha counting when `transparent`, in place: a block too small for three bytes a pixel grows first
// and is then filled from its end, each pixel's new bytes landing at or after its old ones; a larger one is filled from
// its start, each pixel's new bytes landing at or before them. Every pixel is read whole before it is written. Returns
// the block, or null when it could not grow (the old block is then freed).
uint8_t* ToBlueGreenRedInPlace(uint8_t* pixels, size_t count, int channels, bool transparent) {
    auto convert = [&](size_t i) { ToBlueGreenRed(pixels + channels * i, channels, transparent, pixels + 3 * i); };
    if (channels < 3) {
        auto* grown = static_cast<uint8_t*>(std::realloc(pixels, 3 * count));
        if (!grown) {
            std::free(pixels);
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

// A row reader's picture kept whole, as the decoder gives it, in one block of std::malloc (what
// stb_image's blocks are too).
class WholePicture final : public RowReceiver {
  public:
    ~WholePicture() override { std::free(pixels_); }
    bool Start(int32_t width, int32_t height, int channels) override {
        rowBytes_ = static_cast<size_t>(channels) * static_cast<size_t>(width);
        channels_ = channels;
        pixels_ = static_cast<uint8_t*>(std::malloc(rowBytes_ * static_cast<size_t>(height)));
        return pixels_ != nullptr;
    }
    int32_t NextWanted(int32_t top) const override { return top; }
    void SetTransparency(bool transparent) override { transparent_ = transparent; }
    void Take(int32_t top, const uint8_t* row) override {
        std::memcpy(pixels_ + static_cast<size_t>(top) * rowBytes_, row, rowBytes_);
    }
    int Channels() const { return channels_; }
    bool Transparent() const { return transparent_; }
    uint8_t* Release() { return std::exchange(pixels_, nullptr); }

  private:
    uint8_t* pixels_ = nullptr;
    size_t rowBytes_ = 0;
    int channels_ = 0;
    bool transparent_ = false;
};

// The pixels of a file stb_image reads, in its own channel count (its conversions between counts
// mishandle 16-bit PNM); null with the reason in `problem`.
uint8_t* DecodeWithStb(const uint8_t* file,
                       size_t size,
                       const DiscardRange& discard,
                       ImageProblem& problem,
                       int& channels) {
    if (!HoldsAllItsPixels(problem.format, file, size)) {
        problem.error = ImageError::Truncated;
        return nullptr;
    }
    FileReader reader{{file, size, &discard}};
    int width = 0, height = 0;
    uint8_t* pixels = stbi_load_from_callbacks(&kCallbacks, &reader, &width, &height, &channels, 0);
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        problem.error = IsOutOfMemory(reason) ? ImageError::OutOfMemory : ImageError::Damaged;
        problem.detail = reason ? reason : "undecodable";
        return nullptr;
    }
    if (width != problem.width || height != problem.height || channels < 1 || channels > 4) {
        std::free(pixels);
        problem.error = ImageError::Damaged;
        problem.detail = "the picture differs from its header";
        return nullptr;
    }
    return pixels;
}

}  // namespace

void DecodedImage::Free::operator()(uint8_t* pixels) const {
    std::free(pixels);
}

RowReader RowReaderFor(ImageFormat format) {
    switch (format) {
        case ImageFormat::Jpeg:
            return ReadJpegRows;
        case ImageFormat::Png:
            return ReadPngRows;
        default:
            return nullptr;
    }
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
    if (const RowReader read = RowReaderFor(problem.format))
        return read(file, size, maxPixels, nullptr, {});
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
    FileReader reader{{file, size, nullptr}};
    int width = 0, height = 0, components = 0;
    if (!stbi_info_from_callbacks(&kCallbacks, &reader, &width, &height, &components)) {
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

    uint8_t* pixels = nullptr;
    int channels = 0;
    bool transparent = false;
    if (const RowReader read = RowReaderFor(problem.format)) {
        WholePicture whole;
        problem = read(file, size, maxPixels, &whole, discard);
        if (problem.error != ImageError::None)
            return problem;
        channels = whole.Channels();
        transparent = whole.Transparent();
        pixels = whole.Release();
    } else if ((pixels = DecodeWithStb(file, size, discard, problem, channels))) {
        transparent = (channels == 2 || channels == 4) &&
                      HasTransparency(pixels, static_cast<size_t>(problem.width) * problem.height, channels);
    } else {
        return problem;
    }
    const int32_t width = problem.width, height = problem.height;
    pixels =
        ToBlueGreenRedInPlace(pixels, static_cast<size_t>(width) * static_cast<size_t>(height), channels, transparent);
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
