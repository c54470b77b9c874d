// The image decoder: every format and layout it offers, to the pixels the files hold; transparency
// over black; refusals with their reason, the size bound before any allocation; a PNG giving
// exactly what a bitmap of the same pixels gives; and JPEG and PNG fitted from their sampled rows
// exactly as from the whole picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestBitmaps.h"
#include "TestPng.h"
#include "picture/BmpReader.h"
#include "picture/FitPicture.h"
#include "picture/ImageDecoder.h"
#include "picture/OpenPicture.h"
#include "platform/Platform.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::string& path) {
    std::string contents;
    EXPECT_TRUE(platform::ReadWholeFile(path, contents)) << path;
    return Bytes(contents.begin(), contents.end());
}

Bytes Seed(const char* name) {
    return ReadBytes(std::string(TOLVARIN_FUZZ_CORPUS) + "/image/" + name);
}

Bytes Cut(const Bytes& file, size_t length) {
    return Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
}

// The offset of the first JPEG marker `code` (the byte after 0xFF).
size_t MarkerAt(const Bytes& file, uint8_t code) {
    for (size_t at = 0; at + 1 < file.size(); ++at) {
        if (file[at] == 0xFF && file[at + 1] == code)
            return at;
    }
    ADD_FAILURE() << "no marker " << int(code);
    return 0;
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// A 2 x 2 TGA: the 18-byte header, then the pixel data.
Bytes Tga(uint8_t type, uint8_t bits, uint8_t descriptor, Bytes pixels) {
    const uint8_t header[18] = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, bits, descriptor};
    pixels.insert(pixels.begin(), header, header + sizeof header);
    return pixels;
}

struct Pixel {
    int x, y;  // y from the top of the picture
    uint8_t blue, green, red;
};

TEST(ImageDecoder, ReadsEveryFormatToItsPixels) {
    const struct {
        const char* name;
        Bytes file;
        int32_t width, height;
        std::vector<Pixel> pixels;
        int tolerance;
    } rows[] = {
        {"PNG RGB", MakePng(2, 1, 8, 2, {10, 20, 30, 40, 50, 60}), 2, 1, {{0, 0, 30, 20, 10}, {1, 0, 60, 50, 40}}, 0},
        {"PNG 4-bit palette",
         MakePng(3, 1, 4, 3, {0x01, 0x20}, {9, 8, 7, 6, 5, 4, 3, 2, 1}),
         3,
         1,
         {{0, 0, 7, 8, 9}, {1, 0, 4, 5, 6}, {2, 0, 1, 2, 3}},
         0},
        {"PNG palette with transparency over black",
         MakePng(2, 1, 8, 3, {0, 1}, {200, 100, 50, 9, 9, 9}, {128, 0}),
         2,
         1,
         {{0, 0, 25, 50, 100}, {1, 0, 0, 0, 0}},
         0},
        {"PNG 16-bit grey keeps the high byte",
         MakePng(2, 1, 16, 0, {0x12, 0x34, 0xFF, 0xFF}),
         2,
         1,
         {{0, 0, 0x12, 0x12, 0x12}, {1, 0, 255, 255, 255}},
         0},
        {"PNG grey and alpha",
         MakePng(2, 1, 8, 4, {100, 255, 200, 51}),
         2,
         1,
         {{0, 0, 100, 100, 100}, {1, 0, 40, 40, 40}},
         0},
        {"PNG half transparent over black rounds",
         MakePng(1, 1, 8, 6, {1, 100, 201, 128}),
         1,
         1,
         {{0, 0, 101, 50, 1}},
         0},
        {"PNG alpha zero everywhere reads opaque",
         MakePng(2, 1, 8, 6, {10, 20, 30, 0, 40, 50, 60, 0}),
         2,
         1,
         {{0, 0, 30, 20, 10}, {1, 0, 60, 50, 40}},
         0},
        {"PNG interlaced 16-bit", Seed("interlaced.png"), 5, 3, {{0, 0, 0, 0, 255}, {4, 2, 255, 0, 0}}, 0},
        {"JPEG baseline",
         Seed("baseline.jpg"),
         16,
         16,
         {{3, 3, 0, 0, 255}, {12, 3, 0, 255, 0}, {3, 12, 255, 0, 0}, {12, 12, 255, 255, 255}},
         8},
        {"JPEG progressive",
         Seed("progressive.jpg"),
         16,
         16,
         {{3, 3, 0, 0, 255}, {12, 3, 0, 255, 0}, {3, 12, 255, 0, 0}, {12, 12, 255, 255, 255}},
         8},
        {"GIF first frame, transparency over black",
         Seed("two-frames.gif"),
         4,
         4,
         {{0, 0, 0, 0, 255}, {3, 3, 0, 0, 0}},
         0},
        {"TGA bottom-up",
         Tga(2, 24, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
         2,
         2,
         {{0, 1, 1, 2, 3}, {1, 0, 10, 11, 12}},
         0},
        {"TGA run-length top-down",
         Tga(10, 32, 0x28, {0x03, 1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255}),
         2,
         2,
         {{0, 0, 1, 2, 3}, {1, 1, 10, 11, 12}},
         0},
        {"PSD 16-bit composite", Seed("layered.psd"), 4, 4, {{0, 0, 0x99, 0x66, 0x33}, {3, 3, 0x33, 0x99, 0xCC}}, 0},
        {"PNM P6", Text("P6\n2 1\n255\n\x0A\x14\x1E\x28\x32\x3C"), 2, 1, {{0, 0, 30, 20, 10}, {1, 0, 60, 50, 40}}, 0},
        {"PNM P5", Text("P5 1 1 255 \x80"), 1, 1, {{0, 0, 128, 128, 128}}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DibBuffer picture;
        const ImageProblem problem = ReadImageMemory(row.file.data(), row.file.size(), picture);
        ASSERT_EQ(problem.error, ImageError::None) << Describe(problem);
        ASSERT_EQ(picture.Width(), row.width);
        ASSERT_EQ(picture.Height(), row.height);
        EXPECT_EQ(picture.Header()->info.bitCount, 32);
        for (const Pixel& expected : row.pixels) {
            const uint8_t* got = PixelAt(picture, expected.x, row.height - 1 - expected.y);
            SCOPED_TRACE(testing::Message() << "pixel " << expected.x << "," << expected.y);
            EXPECT_NEAR(got[0], expected.blue, row.tolerance);
            EXPECT_NEAR(got[1], expected.green, row.tolerance);
            EXPECT_NEAR(got[2], expected.red, row.tolerance);
            EXPECT_EQ(got[3], 0);
        }
    }
}

TEST(ImageDecoder, RefusesWithTheReason) {
    const Bytes rgb = MakePng(2, 1, 8, 2, {10, 20, 30, 40, 50, 60});
    Bytes brokenStream = rgb;
    brokenStream[41] = 0;  // the compressed stream's header, after the signature, IHDR and IDAT's own
    const Bytes jpeg = Seed("baseline.jpg");
    Bytes twelveBits = jpeg, cutByMarker = jpeg;
    twelveBits[MarkerAt(jpeg, 0xC0) + 4] = 12;  // the frame's sample precision
    const size_t scan = MarkerAt(jpeg, 0xDA);
    cutByMarker[scan + 20] = 0xFF;  // an end marker inside the entropy-coded data
    cutByMarker[scan + 21] = 0xD9;
    const Bytes gif = Seed("two-frames.gif"), psd = Seed("layered.psd");
    const Bytes tga = Tga(2, 24, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    const struct {
        const char* name;
        Bytes file;
        ImageError error;
        int32_t width, height;
    } rows[] = {
        {"PNG declaring 50000 x 50000", MakePng(50000, 50000, 8, 2, {}), ImageError::TooLarge, 50000, 50000},
        {"JPEG declaring 50000 x 50000",
         {0xFF, 0xD8, 0xFF, 0xC0, 0, 17, 8, 0xC3, 0x50, 0xC3, 0x50, 3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0},
         ImageError::TooLarge,
         50000,
         50000},
        {"GIF declaring 65535 x 65535", Text("GIF89a\xFF\xFF\xFF\xFF\x00\x00\x00"), ImageError::TooLarge, 65535, 65535},
        {"PNG cut inside its data", Bytes(rgb.begin(), rgb.end() - 20), ImageError::Truncated, 2, 1},
        {"PNG with a broken data stream", brokenStream, ImageError::Damaged, 2, 1},
        {"JPEG cut before its end", Bytes(jpeg.begin(), jpeg.end() - 10), ImageError::Truncated, 16, 16},
        {"JPEG cut inside its frame header", Cut(jpeg, MarkerAt(jpeg, 0xC0) + 6), ImageError::Truncated, 0, 0},
        {"JPEG whose data ends at a marker", cutByMarker, ImageError::Damaged, 16, 16},
        {"JPEG of 12-bit samples", twelveBits, ImageError::Unsupported, 16, 16},
        {"GIF cut inside its first frame", Cut(gif, gif.size() / 2), ImageError::Truncated, 4, 4},
        {"TGA cut inside its pixels", Cut(tga, tga.size() - 3), ImageError::Truncated, 2, 2},
        {"PSD cut inside its pixels", Cut(psd, psd.size() - 8), ImageError::Truncated, 4, 4},
        {"PNM cut inside its pixels", Text("P6\n2 1\n255\n\x0A\x14\x1E\x28"), ImageError::Truncated, 2, 1},
        {"a bitmap", MakeBmp(MakeNoiseImage(2, 2, 24, 1)), ImageError::Unrecognised, 0, 0},
        {"text", Text("these are notes, not a picture"), ImageError::Unrecognised, 0, 0},
        {"nothing", {}, ImageError::Unrecognised, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DecodedImage image;
        const ImageProblem problem = DecodeImage(row.file.data(), row.file.size(), image);
        EXPECT_EQ(problem.error, row.error) << Describe(problem);
        EXPECT_EQ(problem.width, row.width);
        EXPECT_EQ(problem.height, row.height);
        EXPECT_EQ(image.Rows(), nullptr);
        DibBuffer fit232, fit116;
        ImageProblem fitProblem;
        EXPECT_EQ(FitImageMemory(row.file.data(), row.file.size(), fit232, fit116, fitProblem), 0);
        EXPECT_TRUE(fit232.IsEmpty() && fit116.IsEmpty());
    }
}

TEST(ImageDecoder, PngGivesWhatTheBitmapOfItsPixelsGives) {
    const BmpImage bitmap = MakeNoiseImage(301, 7, 24, 5);
    std::vector<uint8_t> pngRows;
    const size_t stride = static_cast<size_t>(RowBytesFor(24, 301));
    for (int32_t y = 6; y >= 0; --y) {  // bitmap rows are bottom-up, blue first
        for (size_t x = 0; x < 301; ++x)
            for (int channel = 2; channel >= 0; --channel)
                pngRows.push_back(bitmap.rows[y * stride + 3 * x + channel]);
    }
    const Bytes pngFile = MakePng(301, 7, 8, 2, pngRows), bmpFile = MakeBmp(bitmap);
    DibBuffer fromPng, fromBmp, png232, png116, bmp232, bmp116;
    ASSERT_EQ(ReadImageMemory(pngFile.data(), pngFile.size(), fromPng).error, ImageError::None);
    ASSERT_EQ(ReadBmpMemory(bmpFile.data(), bmpFile.size(), fromBmp), 1);
    EXPECT_TRUE(SameBuffer(fromPng, fromBmp));
    ImageProblem problem;
    ASSERT_EQ(FitImageMemory(pngFile.data(), pngFile.size(), png232, png116, problem), 1);
    ASSERT_EQ(FitBmpMemory(bmpFile.data(), bmpFile.size(), bmp232, bmp116), 1);
    EXPECT_TRUE(SameBuffer(png232, bmp232));
    EXPECT_TRUE(SameBuffer(png116, bmp116));
}

// Every sample picture: the tall ones make the JPEG reader skip whole iMCU rows, interlacing and
// alpha (fitted both ways until the last row tells) take the PNG reader's other paths. The made PNG's alpha is zero but
// in one row that no box samples: the picture is still transparent, so it fits black over black.
TEST(ImageDecoder, FitsJpegAndPngFromTheirSampledRowsAsFromTheWholePicture) {
    std::vector<std::pair<std::string, Bytes>> files;
    for (const std::string folder : {TOLVARIN_FUZZ_CORPUS "/image", TOLVARIN_FUZZ_CORPUS "/jpeg",
                                     TOLVARIN_FUZZ_CORPUS "/png", TOLVARIN_TEST_PICTURES}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files.emplace_back(entry.path().filename().string(), ReadBytes(entry.path().string()));
    }
    Bytes rows(2 * 2000 * 4, 200);
    for (size_t i = 0; i < rows.size(); i += 4)
        rows[i + 3] = i / 8 == 1995 ? 255 : 0;  // opaque only in the fifth row from the bottom
    files.emplace_back("made.png", MakePng(2, 2000, 8, 6, rows));
    int fitted = 0;
    for (const auto& [name, file] : files) {
        const ImageFormat format = IdentifyImage(file.data(), file.size());
        if (format != ImageFormat::Jpeg && format != ImageFormat::Png)
            continue;
        SCOPED_TRACE(name);
        DibBuffer whole, expected232, expected116, fit232, fit116;
        ASSERT_EQ(ReadImageMemory(file.data(), file.size(), whole).error, ImageError::None);
        ASSERT_EQ(FitPicture(whole, expected232, 275, 232), 1);
        ASSERT_EQ(FitPicture(whole, expected116, 275, 116), 1);
        ImageProblem problem;
        ASSERT_EQ(FitImageMemory(file.data(), file.size(), fit232, fit116, problem), 1) << Describe(problem);
        EXPECT_TRUE(SameBuffer(fit232, expected232));
        EXPECT_TRUE(SameBuffer(fit116, expected116));
        if (name == "made.png") {
            EXPECT_EQ(PixelAt(fit232, 0, 0)[0], 0);
        }
        ++fitted;
    }
    EXPECT_EQ(fitted, 22);
}

}  // namespace
