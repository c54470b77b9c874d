// The built-in template bitmaps by id: width, height and 24-bit bottom-up rows (blue, green, red;
// rows padded to a multiple of 4 bytes). The same data serves the command line and the Windows
// program.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

enum TemplateId : int {
    kTplStockEqualizer = 131,  // 275 x 116, stock pictures of the four windows (placeholders)
    kTplStockMain = 132,
    kTplStockBrowser = 133,
    kTplStockPlaylist = 134,
    kTplCButtons = 137,       // 136 x 36
    kTplBrowserWindow = 138,  // 275 x 116
    kTplPlaylistMask = 139,   // 245 x 58
    kTplTimeMask = 140,       // 90 x 19
    kTplEqEx = 141,           // 275 x 57
    kTplEqMain = 142,         // 275 x 163
    kTplMb = 143,             // 242 x 119
    kTplMonoSter = 144,       // 56 x 24
    kTplNumsEx = 145,         // 108 x 13
    kTplPlayPaus = 146,       // 42 x 9
    kTplPlEdit = 147,         // 280 x 186
    kTplPosBar = 148,         // 307 x 10
    kTplShufRep = 149,        // 92 x 85
    kTplText = 150,           // 155 x 18
    kTplTitleBar = 151,       // 344 x 87
    // The moving parts that only complete skins carry.
    kTplVolume = 152,          // 68 x 433
    kTplBalance = 153,         // 68 x 433
    kTplCompleteEqMain = 154,  // 275 x 315
};

// One loaded template. Cheap to move; the rows either point into the program's built-in data or
// into storage the bitmap owns (templates that are kept compressed are expanded on load).
class TemplateBitmap {
  public:
    TemplateBitmap() = default;
    TemplateBitmap(int32_t width, int32_t height, const uint8_t* rows, std::shared_ptr<const uint8_t[]> owner = {})
        : width_(width), height_(height), rows_(rows), owner_(std::move(owner)) {}

    bool IsEmpty() const { return rows_ == nullptr; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t RowBytes() const { return (3 * width_ + 3) / 4 * 4; }
    // Stored row r (0 is the bottom row).
    const uint8_t* Row(int32_t storedRow) const { return rows_ + static_cast<size_t>(storedRow) * RowBytes(); }
    const uint8_t* Rows() const { return rows_; }

  private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    const uint8_t* rows_ = nullptr;
    std::shared_ptr<const uint8_t[]> owner_;
};

// The built-in template of that id; empty for an id the program does not carry.
TemplateBitmap LoadTemplate(int id);

// Where composition and the writer get their templates from: the built-in ones in the program,
// synthetic ones in tests.
using TemplateSource = std::function<TemplateBitmap(int id)>;
