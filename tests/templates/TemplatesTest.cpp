// The built-in templates: the committed files are what the art program draws, the program
// serves them as drawn, and their colours keep to the marker conventions the writer and the
// preview rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BmpFile.h"
#include "Font.h"
#include "ScratchFolder.h"
#include "Templates.h"
#include "compose/TemplateStore.h"

namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 | uint32_t{b[at + 3]} << 24;
}

std::filesystem::path CommittedFile(int id) {
    return std::filesystem::path(TOLVARIN_TEMPLATE_DIR) / (std::to_string(id) + ".bmp");
}

struct Format {
    int id;
    int32_t width;
    int32_t height;
    bool runLength;
};

constexpr Format kFormats[] = {
    {131, 275, 116, true}, {132, 275, 116, true},  {133, 275, 116, true},  {134, 275, 116, true},
    {137, 136, 36, false}, {138, 275, 116, false}, {139, 245, 58, false},  {140, 90, 19, false},
    {141, 275, 57, false}, {142, 275, 163, false}, {143, 242, 119, false}, {144, 56, 24, false},
    {145, 108, 13, false}, {146, 42, 9, false},    {147, 280, 186, false}, {148, 307, 10, false},
    {149, 92, 85, false},  {150, 155, 18, false},  {151, 344, 87, false},  {152, 68, 433, false},
    {153, 68, 433, false}, {154, 275, 315, false},
};

uint32_t ColorAt(const TemplateBitmap& t, int32_t x, int32_t y) {
    const uint8_t* p = t.Row(t.Height() - 1 - y) + 3 * x;
    return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kMarkers[] = {0x00C0FF, 0x0060E4, 0xFF0000, 0x00FF00, 0xFF00FF, 0x00FFFF};

bool NearButNotEqual(uint32_t a, uint32_t b) {
    if (a == b)
        return false;
    for (int shift : {0, 8, 16}) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > 2 || d < -2)
            return false;
    }
    return true;
}

}  // namespace

TEST(Templates, CommittedFilesAreWhatTheArtProgramDraws) {
    const ScratchFolder scratch("templates");
    const std::filesystem::path& folder = scratch.Root();
    const std::string command = std::string("\"") + TOLVARIN_TEMPLATE_ART + "\" \"" + folder.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const Format& f : kFormats) {
        SCOPED_TRACE(f.id);
        const auto drawn = ReadFile(folder / (std::to_string(f.id) + ".bmp"));
        const auto committed = ReadFile(CommittedFile(f.id));
        ASSERT_FALSE(drawn.empty());
        EXPECT_TRUE(drawn == committed) << "resources/templates is out of date: build tolvarin_templates_redraw";
    }
}

TEST(Templates, FilesHaveTheirSizeDepthAndCompression) {
    for (const Format& f : kFormats) {
        SCOPED_TRACE(f.id);
        const auto file = ReadFile(CommittedFile(f.id));
        ASSERT_GE(file.size(), 54u);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(Read32(file, 2), file.size());
        EXPECT_EQ(Read32(file, 14), 40u);
        EXPECT_EQ(static_cast<int32_t>(Read32(file, 18)), f.width);
        EXPECT_EQ(static_cast<int32_t>(Read32(file, 22)), f.height);  // positive: bottom-up
        const uint32_t planesAndBits = Read32(file, 26);
        EXPECT_EQ(planesAndBits, f.runLength ? (8u << 16 | 1u) : (24u << 16 | 1u));
        EXPECT_EQ(Read32(file, 30), f.runLength ? 1u : 0u);
        if (!f.runLength) {
            EXPECT_EQ(Read32(file, 10), 54u);
            const size_t rowBytes = (3 * static_cast<size_t>(f.width) + 3) / 4 * 4;
            EXPECT_EQ(file.size(), 54 + rowBytes * f.height);
        }
    }
}

// The program serves exactly the drawn pixels: the 24-bit files in place, the stock pictures
// expanded from their run-length encoding.
TEST(Templates, LoadTemplateServesTheDrawnPixels) {
    for (const TemplateArt& art : kTemplateArt) {
        SCOPED_TRACE(art.id);
        const Canvas canvas = art.draw();
        const TemplateBitmap loaded = LoadTemplate(art.id);
        ASSERT_FALSE(loaded.IsEmpty());
        ASSERT_EQ(loaded.Width(), canvas.Width());
        ASSERT_EQ(loaded.Height(), canvas.Height());
        const auto rows = canvas.BottomUpRows();
        ASSERT_EQ(rows.size(), static_cast<size_t>(loaded.RowBytes()) * loaded.Height());
        for (int32_t r = 0; r < loaded.Height(); ++r) {
            // Compare pixels only: padding bytes of an expanded picture need not match.
            const uint8_t* expected = rows.data() + static_cast<size_t>(r) * loaded.RowBytes();
            ASSERT_EQ(0, std::memcmp(expected, loaded.Row(r), 3 * static_cast<size_t>(loaded.Width()))) << "row " << r;
        }
    }
}

TEST(Templates, UnknownIdsAreEmpty) {
    for (int id : {0, 130, 135, 136, 155, -1}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(LoadTemplate(id).IsEmpty());
    }
}

TEST(Templates, MasksAndBrowserPictureUseOnlyTheirColours) {
    struct Allowed {
        int id;
        std::vector<uint32_t> colors;  // empty: any colour that is not a foreign marker
    };
    const Allowed kAllowed[] = {
        {139, {0x0000FF, 0x00FF00, 0xFF0000, kWhite}},
        {140, {0x000000, 0xFF0000, 0x00FF00}},
    };
    for (const Allowed& a : kAllowed) {
        SCOPED_TRACE(a.id);
        const TemplateBitmap t = LoadTemplate(a.id);
        for (int32_t y = 0; y < t.Height(); ++y)
            for (int32_t x = 0; x < t.Width(); ++x) {
                const uint32_t c = ColorAt(t, x, y);
                ASSERT_NE(std::find(a.colors.begin(), a.colors.end(), c), a.colors.end())
                    << std::hex << c << " at " << std::dec << x << "," << y;
            }
    }
    // The mini-browser picture maps only Color, ColorBG, blue and green; the other template
    // markers would show as themselves.
    const TemplateBitmap browser = LoadTemplate(138);
    for (int32_t y = 0; y < browser.Height(); ++y)
        for (int32_t x = 0; x < browser.Width(); ++x) {
            const uint32_t c = ColorAt(browser, x, y);
            for (uint32_t foreign : {0xFF0000u, 0xFF00FFu, 0x00FFFFu})
                ASSERT_NE(c, foreign) << x << "," << y;
            for (uint32_t own : {0x00C0FFu, 0x0060E4u, 0x0000FFu, 0x00FF00u})
                ASSERT_FALSE(NearButNotEqual(c, own)) << std::hex << c << " at " << std::dec << x << "," << y;
        }
}

// One step off a marker is an ordinary colour: art must not come that close, or recolouring
// would leave a fringe of almost-marker pixels.
TEST(Templates, NoColourIsNearlyAMarker) {
    for (const Format& f : kFormats) {
        if (f.runLength || f.id == 139 || f.id == 140)
            continue;
        SCOPED_TRACE(f.id);
        const TemplateBitmap t = LoadTemplate(f.id);
        for (int32_t y = 0; y < t.Height(); ++y)
            for (int32_t x = 0; x < t.Width(); ++x) {
                const uint32_t c = ColorAt(t, x, y);
                for (uint32_t marker : kMarkers)
                    ASSERT_FALSE(NearButNotEqual(c, marker))
                        << std::hex << c << " near " << marker << " at " << std::dec << x << "," << y;
            }
    }
}

// Files the writer only recolours show white as white: every sprite the players cut from
// them must be opaque.
TEST(Templates, RecolouredSpritesHaveNoWhite) {
    struct Sprite {
        int id;
        int x, y, w, h;
    };
    const Sprite kSprites[] = {
        {152, 0, 422, 14, 11},  {152, 15, 422, 14, 11}, {153, 0, 422, 14, 11},   {153, 15, 422, 14, 11},
        {154, 0, 164, 11, 11},  {154, 0, 176, 11, 11},  {154, 115, 294, 1, 19},  {154, 0, 314, 113, 1},
        {141, 0, 0, 275, 14},   {141, 0, 15, 275, 14},  {141, 1, 30, 9, 7},      {141, 11, 30, 9, 7},
        {141, 1, 38, 9, 18},    {141, 11, 38, 9, 18},   {142, 0, 116, 9, 18},    {142, 0, 134, 275, 14},
        {145, 0, 0, 90, 13},    {148, 248, 0, 29, 10},  {148, 278, 0, 29, 10},   {150, 0, 0, 155, 18},
        {147, 0, 0, 25, 20},    {147, 26, 0, 100, 20},  {147, 127, 0, 25, 20},   {147, 153, 0, 25, 20},
        {147, 0, 21, 25, 20},   {147, 26, 21, 100, 20}, {147, 127, 21, 25, 20},  {147, 153, 21, 25, 20},
        {147, 0, 42, 12, 29},   {147, 31, 42, 20, 29},  {147, 52, 53, 8, 18},    {147, 61, 53, 8, 18},
        {147, 52, 42, 9, 9},    {147, 62, 42, 9, 9},    {147, 150, 42, 9, 9},    {147, 72, 42, 25, 14},
        {147, 72, 57, 25, 14},  {147, 99, 42, 50, 14},  {147, 99, 57, 50, 14},   {147, 179, 0, 25, 38},
        {147, 205, 0, 75, 38},  {147, 0, 72, 125, 38},  {147, 126, 72, 150, 38}, {147, 48, 111, 3, 54},
        {147, 100, 111, 3, 72}, {147, 150, 111, 3, 54}, {147, 200, 111, 3, 54},  {147, 250, 111, 3, 54},
        {151, 0, 0, 27, 18},    {151, 0, 18, 18, 18},   {151, 0, 36, 26, 7},     {151, 27, 29, 275, 27},
        {143, 0, 0, 25, 20},    {143, 26, 0, 100, 20},  {143, 127, 0, 25, 20},   {143, 153, 0, 25, 20},
        {143, 0, 21, 25, 20},   {143, 26, 21, 100, 20}, {143, 127, 21, 25, 20},  {143, 153, 21, 25, 20},

        {143, 0, 42, 125, 38},  {143, 127, 42, 11, 29}, {143, 139, 42, 8, 29},   {143, 148, 42, 9, 9},
        {143, 158, 42, 75, 18}, {143, 0, 81, 125, 38},  {143, 127, 81, 25, 38},
    };
    std::vector<Sprite> sprites(std::begin(kSprites), std::end(kSprites));
    // The playlist's pop-up menu items, normal and pressed, 22 x 18 and 19 rows apart.
    for (int stack = 0; stack < 5; ++stack)
        for (int item = 0; item < (stack == 1 ? 4 : 3); ++item)
            for (int pressed = 0; pressed < 2; ++pressed)
                sprites.push_back({147, 50 * stack + (stack > 0 ? 4 : 0) + 23 * pressed, 111 + 19 * item, 22, 18});
    for (const Sprite& s : sprites) {
        SCOPED_TRACE(testing::Message() << s.id << " at " << s.x << "," << s.y);
        const TemplateBitmap t = LoadTemplate(s.id);
        for (int y = s.y; y < s.y + s.h; ++y)
            for (int x = s.x; x < s.x + s.w; ++x)
                ASSERT_NE(ColorAt(t, x, y), kWhite) << x << "," << y;
    }
}

// TEXT.BMP's 5x6 cells as the players look them up: 31 cells in each of three rows, "" a cell
// that stays plain background (the text background is read at 152,3). Each cell must hold exactly
// the player font's glyph of its character; a glyph one cell off shows as the wrong character.
TEST(Templates, TextCellsHoldTheCharactersThePlayersLookUp) {
    const std::vector<std::vector<std::string>> kRows = {
        {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K",  "L", "M", "N", "O", "P",
         "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "\"", "@", "",  "",  ""},
        {"0", "1", "2", "3", "4",  "5", "6", "7", "8", "9", "...", ".", ":", "(", ")", "-",
         "'", "!", "_", "+", "\\", "/", "[", "]", "^", "&", "%",   ",", "=", "$", "#"},
        {"Å", "Ö", "Ä", "?", "*"},
    };
    const TemplateBitmap text = LoadTemplate(150);
    const uint32_t background = ColorAt(text, 152, 3);
    for (size_t r = 0; r < kRows.size(); ++r)
        for (int c = 0; c < 31; ++c) {
            const std::string character = c < static_cast<int>(kRows[r].size()) ? kRows[r][c] : "";
            SCOPED_TRACE(testing::Message() << "cell " << c << "," << r << " \"" << character << "\"");
            ASSERT_TRUE(character.empty() || HasGlyph(FontKind::Player, character));
            Canvas glyph(5, 6, kKey);
            DrawGlyph(glyph, FontKind::Player, character, 0, 0, kInk);
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 5; ++x)
                    ASSERT_EQ(ColorAt(text, 5 * c + x, 6 * static_cast<int>(r) + y) != background,
                              glyph.Get(x, y) == kInk)
                        << x << "," << y;
        }
}

// NUMS_EX.BMP: digit d in the 9x13 cell at 9d as seven LCD segments, lit as on any seven-segment
// display; the cell at 99 holds the minus, the middle bar alone, within columns 2-6.
TEST(Templates, TimeDigitCellsHoldTheirDigits) {
    struct Point {
        int x, y;
    };
    // One point inside each segment: a top, b upper right, c lower right, d bottom, e lower left,
    // f upper left, g middle.
    const Point kSegments[7] = {{4, 1}, {7, 4}, {7, 9}, {4, 11}, {1, 9}, {1, 4}, {4, 6}};
    const char* const kLit[11] = {"abcdef", "bc",  "abdeg",   "abcdg",  "bcfg", "acdfg",
                                  "acdefg", "abc", "abcdefg", "abcdfg", "g"};
    const TemplateBitmap nums = LoadTemplate(145);
    for (int cell = 0; cell < 11; ++cell) {
        const int left = cell < 10 ? 9 * cell : 99;
        SCOPED_TRACE(testing::Message() << "cell at " << left);
        const uint32_t unlit = ColorAt(nums, left, 0);
        for (int s = 0; s < 7; ++s) {
            const bool lit = std::strchr(kLit[cell], 'a' + s) != nullptr;
            EXPECT_EQ(ColorAt(nums, left + kSegments[s].x, kSegments[s].y) != unlit, lit)
                << "segment " << char('a' + s);
        }
    }
    for (int y = 0; y < 13; ++y)
        for (int x : {0, 1, 7, 8})
            EXPECT_EQ(ColorAt(nums, 99 + x, y), ColorAt(nums, 99, 0)) << "minus cell column " << x << " row " << y;
}
