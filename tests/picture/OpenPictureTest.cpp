// Opening a picture: the plug-in step comes first and decides when it delivers; a bitmap file is
// fitted straight from its mapping with exactly the result of reading it whole and fitting that.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "TestBitmaps.h"
#include "picture/BmpReader.h"
#include "picture/FitPicture.h"
#include "picture/OpenPicture.h"
#include "picture/ReadPicture.h"
#include "platform/Platform.h"

namespace {

struct Fits {
    DibBuffer fit232, fit116;
};

// The reference path: the whole picture as 32 bits, then fitted into each box.
int ReadAndFit(const std::string& path, Fits& fits, const PictureDecoder& plugins = {}) {
    DibBuffer picture;
    return ReadPicture(path, picture, plugins) && FitPicture(picture, fits.fit232, 275, 232) &&
           FitPicture(picture, fits.fit116, 275, 116);
}

// Outputs that already hold something, to see that a failed open leaves them alone.
Fits Previous() {
    Fits fits;
    EXPECT_TRUE(fits.fit232.Allocate(2, 1, 32));
    EXPECT_TRUE(fits.fit116.Allocate(1, 2, 32));
    fits.fit232.Pixels()[0] = 42;
    return fits;
}

void ExpectUnchanged(const Fits& fits) {
    EXPECT_EQ(fits.fit232.Width(), 2);
    EXPECT_EQ(fits.fit232.Pixels()[0], 42);
    EXPECT_EQ(fits.fit116.Height(), 2);
}

void ExpectSameAsReadAndFit(const std::string& path) {
    Fits expected, opened = Previous();
    const int read = ReadAndFit(path, expected);
    ASSERT_EQ(OpenAndFitPicture(path, opened.fit232, opened.fit116), read);
    if (!read) {
        ExpectUnchanged(opened);
        return;
    }
    EXPECT_TRUE(SameBuffer(opened.fit232, expected.fit232));
    EXPECT_TRUE(SameBuffer(opened.fit116, expected.fit116));
}

TEST(OpenAndFitPicture, MatchesReadAndFitOverTheBmpSuite) {
    for (const char* folder : {"g", "q", "b"}) {
        for (const auto& entry : std::filesystem::directory_iterator(BmpSuiteFolder() + "/" + folder)) {
            SCOPED_TRACE(entry.path().string());
            ExpectSameAsReadAndFit(entry.path().string());
        }
    }
}

TEST(OpenAndFitPicture, MatchesReadAndFitForEveryDepthAndShape) {
    const int32_t sizes[][2] = {{1, 1},     {1, 7},     {7, 1},     {1, 300},  {300, 1},  {13, 5},
                                {275, 232}, {276, 116}, {640, 480}, {1000, 3}, {3, 1000}, {1201, 899}};
    for (uint16_t bitCount : {1, 4, 8, 16, 24, 32}) {
        for (const auto& size : sizes) {
            SCOPED_TRACE(std::to_string(bitCount) + " bits, " + std::to_string(size[0]) + " x " +
                         std::to_string(size[1]));
            const TempFile file("depth.bmp", MakeBmp(MakeNoiseImage(size[0], size[1], bitCount, 7u * bitCount)));
            ExpectSameAsReadAndFit(file.Path());
        }
    }
}

// Rows reported as left behind are never read again: spoiling them as they are reported changes
// nothing, and all but the last few MiB of a large file's rows are reported.
TEST(FitBmpMemory, DiscardsOnlyRowsItHasLeftBehind) {
    std::vector<uint8_t> file = MakeBmp(MakeNoiseImage(2000, 3000, 24, 11));
    Fits expected, spoiled;
    ASSERT_EQ(FitBmpMemory(file.data(), file.size(), expected.fit232, expected.fit116), 1);
    size_t discardedEnd = 0;
    const DiscardRange spoil = [&](size_t offset, size_t length) {
        ASSERT_LE(offset, discardedEnd) << "ranges follow each other without gaps";
        ASSERT_LE(offset + length, file.size());
        std::memset(file.data() + offset, 0xFF, length);
        discardedEnd = offset + length;
    };
    ASSERT_EQ(FitBmpMemory(file.data(), file.size(), spoiled.fit232, spoiled.fit116, spoil), 1);
    EXPECT_TRUE(SameBuffer(spoiled.fit232, expected.fit232));
    EXPECT_TRUE(SameBuffer(spoiled.fit116, expected.fit116));
    EXPECT_GE(discardedEnd + (size_t(8) << 20), file.size());
}

TEST(OpenAndFitPicture, FailsOnMissingFilesWithoutTouchingTheOutputs) {
    Fits fits = Previous();
    EXPECT_EQ(OpenAndFitPicture("/nonexistent/picture.bmp", fits.fit232, fits.fit116), 0);
    ExpectUnchanged(fits);
}

// A file cut short while it is mapped reads as zeros from where it ends, never as a signal, and
// the mapping tells: the readers refuse what they read. Other mappings are not marked.
TEST(MappedFile, AFileCutShortWhileMappedIsReadAsShrunk) {
    const TempFile bitmap("shrinking.bmp", MakeBmp(MakeNoiseImage(600, 400, 24, 5)));
    const TempFile other("steady.bmp", MakeBmp(MakeNoiseImage(600, 400, 24, 5)));
    const platform::MappedFile file(bitmap.Path()), steady(other.Path());
    ASSERT_TRUE(file.IsOpen() && steady.IsOpen());
    std::filesystem::resize_file(bitmap.Path(), 1000);
    Fits fits;
    EXPECT_EQ(FitBmpMemory(file.Data(), file.Size(), fits.fit232, fits.fit116), 1);
    EXPECT_EQ(file.Data()[file.Size() - 1], 0);
    EXPECT_TRUE(file.Shrank());
    EXPECT_EQ(FitBmpMemory(steady.Data(), steady.Size(), fits.fit232, fits.fit116), 1);
    EXPECT_FALSE(steady.Shrank());

    // What reads a file by its path refuses it then.
    const TempFile cut("cut.bmp", MakeBmp(MakeNoiseImage(600, 400, 24, 5)));
    std::filesystem::resize_file(cut.Path(), 1000);
    Fits opened = Previous();
    std::string why;
    EXPECT_EQ(OpenAndFitAnyPicture(cut.Path(), opened.fit232, opened.fit116, why), 0);
    EXPECT_NE(why.find("truncated"), std::string::npos) << why;
    ExpectUnchanged(opened);
}

// The plug-in step of both readers: what a plug-in delivers decides; otherwise the bitmap reader.
TEST(PluginStep, DecidesWhenItDeliversAndOtherwiseFallsBackToTheBitmapReader) {
    const TempFile bitmap("plugin.bmp", MakeBmp(MakeNoiseImage(40, 30, 24, 3)));
    DibBuffer pluginPicture;
    ASSERT_TRUE(pluginPicture.Allocate(10, 80, 32));
    std::memset(pluginPicture.Pixels(), 0x5A, pluginPicture.PixelBytes());

    struct Case {
        const char* name;
        bool delivered;
        int result;
        int expected;
        bool expectPluginPicture;
    } cases[] = {
        {"a plug-in delivers", true, 1, 1, true},
        {"a plug-in delivers a picture it cannot convert: no fallback", true, 0, 0, false},
        {"no plug-in claims the file", false, 0, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string offered;
        const PictureDecoder plugins = [&](const std::string& path, DibBuffer& target) {
            offered = path;
            if (c.delivered && c.result) {
                EXPECT_TRUE(target.Allocate(10, 80, 32));
                std::memcpy(target.Pixels(), pluginPicture.Pixels(), pluginPicture.PixelBytes());
            }
            return PluginDecodeResult{c.delivered, c.result};
        };
        DibBuffer read;
        EXPECT_EQ(ReadPicture(bitmap.Path(), read, plugins), c.expected);
        EXPECT_EQ(offered, bitmap.Path());

        Fits expected, opened = Previous();
        EXPECT_EQ(ReadAndFit(bitmap.Path(), expected, plugins), c.expected);
        EXPECT_EQ(OpenAndFitPicture(bitmap.Path(), opened.fit232, opened.fit116, plugins), c.expected);
        if (!c.expected) {
            ExpectUnchanged(opened);
            continue;
        }
        EXPECT_EQ(read.Width(), c.expectPluginPicture ? 10 : 40);
        EXPECT_TRUE(SameBuffer(opened.fit232, expected.fit232));
        EXPECT_TRUE(SameBuffer(opened.fit116, expected.fit116));
    }
}

TEST(PluginStep, RunsUnderTheWaitCursor) {
    int begun = 0, ended = 0;
    platform::SetWaitCursorHooks([&] { ++begun; }, [&] { ++ended; });
    const TempFile bitmap("cursor.bmp", MakeBmp(MakeNoiseImage(4, 4, 8, 1)));
    const PictureDecoder plugins = [&](const std::string&, DibBuffer&) {
        EXPECT_EQ(begun - ended, 1) << "the plug-ins run under the wait cursor";
        return PluginDecodeResult{};
    };
    DibBuffer read;
    EXPECT_EQ(ReadPicture(bitmap.Path(), read, plugins), 1);
    Fits fits;
    EXPECT_EQ(OpenAndFitPicture(bitmap.Path(), fits.fit232, fits.fit116, plugins), 1);
    platform::SetWaitCursorHooks({}, {});
    EXPECT_EQ(begun, 2);
    EXPECT_EQ(ended, 2);
}

// A buffer whose size no header can describe: "DIB作成失敗" in the plain box where the shell has one,
// else with the other messages.
TEST(DibBuffer, ReportsAFailedAllocationInThePlainBox) {
    const std::string dibCreateFailed = "DIB\x8d\xec\x90\xac\x8e\xb8\x94\x73";
    std::vector<std::string> plain, ordinary;
    platform::SetMessageSink([&](std::string_view text) { ordinary.emplace_back(text); });
    for (const bool shellBox : {true, false}) {
        platform::SetPlainMessageSink(
            shellBox ? platform::MessageSink([&](std::string_view text) { plain.emplace_back(text); })
                     : platform::MessageSink());
        DibBuffer buffer;
        EXPECT_EQ(buffer.Allocate(65536, 65536, 32), 0);
        EXPECT_TRUE(buffer.IsEmpty());
    }
    platform::SetPlainMessageSink({});
    platform::SetMessageSink({});
    EXPECT_EQ(plain, std::vector<std::string>{dibCreateFailed});
    EXPECT_EQ(ordinary, std::vector<std::string>{dibCreateFailed});
}

}  // namespace
