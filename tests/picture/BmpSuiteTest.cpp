// Every file of the shared BMP suite is either refused for its own reason or read exactly as
// ImageMagick decodes it, with two deliberate differences: 16-bit pixels keep the 5-bit value
// times 8 (ImageMagick widens it to the full 0..255 range), and palette indices beyond the
// file's palette read as black (ImageMagick uses entry 0).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "TestBitmaps.h"
#include "picture/BitmapDecoder.h"
#include "picture/BmpReader.h"
#include "platform/Platform.h"

namespace {

enum class Reference {
    None,           // refused
    Magick,         // ImageMagick's decoding of the file itself
    MagickOfPal1,   // ImageMagick refuses a header field we do not read; the pixels are g/pal1.bmp's
    Magick5Bit,     // 16 bits: equal after reducing ImageMagick's values to 5 bits
    MagickBadIndex  // pixels with an index beyond the palette are black, all others as ImageMagick
};

struct SuiteFile {
    std::string name;
    BmpError expected;
    Reference reference;
};

// The files the reader accepts, with what their pixels are compared with.
const std::pair<const char*, Reference> kAccepted[] = {
    {"g/pal1.bmp", Reference::Magick},
    {"g/pal1bg.bmp", Reference::Magick},
    {"g/pal1wb.bmp", Reference::Magick},
    {"g/pal4.bmp", Reference::Magick},
    {"g/pal4gs.bmp", Reference::Magick},
    {"g/pal8-0.bmp", Reference::Magick},
    {"g/pal8.bmp", Reference::Magick},
    {"g/pal8gs.bmp", Reference::Magick},
    {"g/pal8nonsquare.bmp", Reference::Magick},
    {"g/pal8w124.bmp", Reference::Magick},
    {"g/pal8w125.bmp", Reference::Magick},
    {"g/pal8w126.bmp", Reference::Magick},
    {"g/rgb16.bmp", Reference::Magick5Bit},
    {"g/rgb24.bmp", Reference::Magick},
    {"g/rgb24pal.bmp", Reference::Magick},
    {"g/rgb32.bmp", Reference::Magick},
    {"q/pal1p1.bmp", Reference::Magick},
    {"q/pal8offs.bmp", Reference::Magick},
    {"q/pal8os2v2-40sz.bmp", Reference::Magick},
    {"q/rgb16faketrns.bmp", Reference::Magick5Bit},
    {"q/rgb24largepal.bmp", Reference::Magick},
    {"q/rgb32fakealpha.bmp", Reference::Magick},
    {"b/badbitssize.bmp", Reference::Magick},
    {"b/baddens1.bmp", Reference::Magick},
    {"b/baddens2.bmp", Reference::Magick},
    {"b/badfilesize.bmp", Reference::MagickOfPal1},
    {"b/badplanes.bmp", Reference::MagickOfPal1},
    {"b/pal8badindex.bmp", Reference::MagickBadIndex},
};

// The files it refuses, by reason.
const std::pair<BmpError, std::vector<const char*>> kRefused[] = {
    {BmpError::Compression,
     {"g/pal4rle.bmp",     "g/pal8rle.bmp",    "g/rgb16-565.bmp",  "g/rgb16-565pal.bmp", "g/rgb16bfdef.bmp",
      "g/rgb32bf.bmp",     "g/rgb32bfdef.bmp", "q/pal4rlecut.bmp", "q/pal4rletrns.bmp",  "q/pal8rlecut.bmp",
      "q/pal8rletrns.bmp", "q/rgb16-231.bmp",  "q/rgb16-3103.bmp", "q/rgb32-111110.bmp", "q/rgb32-7187.bmp",
      "q/rgba32abf.bmp",   "b/badrle.bmp",     "b/badrle4.bmp",    "b/badrle4bis.bmp",   "b/badrle4ter.bmp",
      "b/badrlebis.bmp",   "b/badrleter.bmp",  "b/rgb16-880.bmp"}},
    {BmpError::HeaderSize,
     {"g/pal8os2.bmp",     "g/pal8v4.bmp",       "g/pal8v5.bmp",       "q/pal1huffmsb.bmp",  "q/pal8os2-hs.bmp",
      "q/pal8os2-sz.bmp",  "q/pal8os2sp.bmp",    "q/pal8os2v2-16.bmp", "q/pal8os2v2-sz.bmp", "q/pal8os2v2.bmp",
      "q/rgb24jpeg.bmp",   "q/rgb24png.bmp",     "q/rgb24rle24.bmp",   "q/rgb32-xbgr.bmp",   "q/rgb32h52.bmp",
      "q/rgba16-1924.bmp", "q/rgba16-4444.bmp",  "q/rgba16-5551.bmp",  "q/rgba32-1.bmp",     "q/rgba32-1010102.bmp",
      "q/rgba32-2.bmp",    "q/rgba32-61754.bmp", "q/rgba32-81284.bmp", "q/rgba32h56.bmp",    "b/badheadersize.bmp"}},
    {BmpError::Height, {"g/pal8topdown.bmp", "b/rletopdown.bmp"}},
    {BmpError::BitCount, {"q/pal2.bmp", "q/pal2color.bmp", "q/rgba64.bmp", "b/badbitcount.bmp"}},
    {BmpError::PaletteSize, {"q/pal8oversizepal.bmp", "b/badpalettesize.bmp"}},
    {BmpError::Width, {"b/badwidth.bmp"}},
    {BmpError::TooLarge, {"b/reallybig.bmp"}},
    {BmpError::Truncated, {"b/shortfile.bmp"}},
};

std::vector<SuiteFile> SuiteFiles() {
    std::vector<SuiteFile> files;
    for (const auto& [name, reference] : kAccepted)
        files.push_back({name, BmpError::None, reference});
    for (const auto& [error, names] : kRefused)
        for (const char* name : names)
            files.push_back({name, error, Reference::None});
    return files;
}

// ImageMagick's decoding as top-down RGB bytes, through its binary PPM output. Its exit status is
// not consulted: it also fails on warnings (a wrong file size field, a bad palette index) after
// writing the whole picture.
bool DecodeWithImageMagick(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgb) {
    const std::string command = "convert '" + path + "' -depth 8 ppm:- 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return false;
    int maxValue = 0;
    const bool header =
        std::fscanf(pipe, "P6 %d %d %d", &width, &height, &maxValue) == 3 && maxValue == 255 && std::fgetc(pipe) != EOF;
    if (header) {
        rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
        rgb.resize(std::fread(rgb.data(), 1, rgb.size(), pipe));
    }
    ::pclose(pipe);
    return header && rgb.size() == static_cast<size_t>(width) * static_cast<size_t>(height) * 3;
}

// The palette index of pixel (x, top row y) in an 8-bit file, or -1 when it is within the palette.
int IndexBeyondPalette(const std::vector<uint8_t>& file, int width, int height, int x, int topY) {
    auto u32 = [&](size_t at) { return file[at] | file[at + 1] << 8 | file[at + 2] << 16 | file[at + 3] << 24; };
    const size_t offset = static_cast<size_t>(u32(10));
    const int colours = u32(46);
    const size_t rowBytes = static_cast<size_t>(width + 3) / 4 * 4;
    const int index = file[offset + static_cast<size_t>(height - 1 - topY) * rowBytes + static_cast<size_t>(x)];
    return index >= colours ? index : -1;
}

// Compares a picture with ImageMagick's top-down RGB decoding, channel by channel, within
// `tolerance`; reports the first few differences.
void ExpectImageMagickPixels(const DibBuffer& picture,
                             const std::vector<uint8_t>& rgb,
                             int width,
                             int height,
                             Reference reference,
                             const std::vector<uint8_t>& file,
                             int tolerance) {
    int mismatches = 0;
    for (int y = 0; y < height && mismatches < 5; ++y) {
        for (int x = 0; x < width && mismatches < 5; ++x) {
            const uint8_t* ours = PixelAt(picture, x, height - 1 - y);
            const uint8_t* theirs = &rgb[(static_cast<size_t>(y) * static_cast<size_t>(width) + x) * 3];
            for (int c = 0; c < 3; ++c) {
                const int got = ours[2 - c];
                int want = theirs[c];
                if (reference == Reference::Magick5Bit)
                    want = static_cast<int>(std::lround(want * 31 / 255.0)) * 8;
                if (reference == Reference::MagickBadIndex && IndexBeyondPalette(file, width, height, x, y) >= 0)
                    want = 0;
                if (std::abs(got - want) > tolerance) {
                    ++mismatches;
                    ADD_FAILURE() << "pixel " << x << "," << y << " channel " << c << ": " << got << " vs " << want;
                }
            }
        }
    }
}

std::string SuitePath(const std::string& name) {
    return BmpSuiteFolder() + "/" + name;
}

TEST(BmpSuite, EveryFileIsListed) {
    std::set<std::string> listed;
    for (const SuiteFile& file : SuiteFiles())
        listed.insert(file.name);
    size_t found = 0;
    for (const char* folder : {"g", "q", "b"}) {
        for (const auto& entry : std::filesystem::directory_iterator(SuitePath(folder))) {
            const std::string name = std::string(folder) + "/" + entry.path().filename().string();
            EXPECT_TRUE(listed.count(name)) << name << " is not in the table";
            ++found;
        }
    }
    EXPECT_EQ(found, listed.size()) << "the suite is missing files the table names";
}

TEST(BmpSuite, RefusesOrReadsEachFileLikeImageMagick) {
    for (const SuiteFile& suiteFile : SuiteFiles()) {
        SCOPED_TRACE(suiteFile.name);
        const std::string path = SuitePath(suiteFile.name);
        std::string contents;
        ASSERT_TRUE(platform::ReadWholeFile(path, contents));
        const std::vector<uint8_t> file(contents.begin(), contents.end());
        PixelSource source;
        const BmpError error = ParseBmp(file.data(), file.size(), source);
        EXPECT_EQ(error, suiteFile.expected) << "got " << ToString(error);
        DibBuffer picture;
        const int read = ReadBmpFile(path, picture);
        EXPECT_EQ(read, suiteFile.expected == BmpError::None ? 1 : 0);
        if (suiteFile.reference == Reference::None || !read)
            continue;

        const std::string referencePath =
            suiteFile.reference == Reference::MagickOfPal1 ? SuitePath("g/pal1.bmp") : path;
        int width = 0, height = 0;
        std::vector<uint8_t> rgb;
        ASSERT_TRUE(DecodeWithImageMagick(referencePath, width, height, rgb))
            << "ImageMagick's convert is needed to check the decoding of " << referencePath;
        ASSERT_EQ(picture.Width(), width);
        ASSERT_EQ(picture.Height(), height);
        ExpectImageMagickPixels(picture, rgb, width, height, suiteFile.reference, file, 0);
    }
}

// The good files the reader refuses (RLE, BITMAPV4/V5 and OS/2 headers, bit fields, top-down
// rows) are what common tools write: the command line decodes them as ImageMagick does, but for
// the widening of 5- and 6-bit fields, by at most one. The others it decodes or refuses for a
// reason, never reading outside the file.
TEST(BmpSuite, TheCommandLineDecodesTheGoodKindsTheReaderRefuses) {
    for (const SuiteFile& suiteFile : SuiteFiles()) {
        if (suiteFile.expected == BmpError::None)
            continue;
        SCOPED_TRACE(suiteFile.name);
        std::string contents;
        ASSERT_TRUE(platform::ReadWholeFile(SuitePath(suiteFile.name), contents));
        const std::vector<uint8_t> file(contents.begin(), contents.end());
        DecodedBitmap decoded;
        std::string why;
        const bool read = DecodeOtherBitmap(file.data(), file.size(), decoded, why);
        EXPECT_EQ(why.empty(), read);
        if (suiteFile.name.rfind("g/", 0) != 0)
            continue;
        EXPECT_TRUE(read) << why;
        if (!read)
            continue;
        DibBuffer picture;
        ASSERT_EQ(picture.Allocate(decoded.source.width, decoded.source.height, 32), 1);
        ASSERT_EQ(ExpandTo32(decoded.source, picture.Pixels()), 1);
        int width = 0, height = 0;
        std::vector<uint8_t> rgb;
        ASSERT_TRUE(DecodeWithImageMagick(SuitePath(suiteFile.name), width, height, rgb));
        ASSERT_EQ(picture.Width(), width);
        ASSERT_EQ(picture.Height(), height);
        ExpectImageMagickPixels(picture, rgb, width, height, Reference::Magick, file, 1);
    }
}

}  // namespace
