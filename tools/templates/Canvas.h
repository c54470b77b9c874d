// The drawing surface of the template art: an RGB picture held top-down (row 0 is the top row,
// as in skin coordinates), with the handful of primitives every template is drawn with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Paint {
    uint8_t r = 255;
    uint8_t g = 255;
    uint8_t b = 255;

    friend bool operator==(const Paint&, const Paint&) = default;
};

// Marker colours: the writer and the preview replace these exact values by the user's colours.
inline constexpr Paint kKey{255, 255, 255};  // nothing drawn: transparent over the picture
inline constexpr Paint kFace{0, 192, 255};   // `Color`: button faces, the skin body
inline constexpr Paint kFrame{0, 96, 228};   // `ColorBG`: frames and bars
inline constexpr Paint kText{255, 0, 0};     // `TextNORMAL`: text and lit indicators
inline constexpr Paint kTextBg{0, 255, 0};   // `TextNORMALBG`
inline constexpr Paint kNum{255, 0, 255};    // `NumNORMAL`
inline constexpr Paint kNumBg{0, 255, 255};  // `NumNORMALBG`

// Neutral shading. Highlights stop below 255 so that they stay opaque over the picture.
inline constexpr Paint kHighlight{236, 236, 240};
inline constexpr Paint kLight{188, 188, 196};
inline constexpr Paint kMid{128, 128, 136};
inline constexpr Paint kShade{88, 88, 96};
inline constexpr Paint kDeep{48, 48, 56};
inline constexpr Paint kInk{20, 20, 24};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    int Right() const { return x + w - 1; }
    int Bottom() const { return y + h - 1; }
    Rect Inset(int n) const { return {x + n, y + n, w - 2 * n, h - 2 * n}; }
    Rect Moved(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
};

class Canvas {
  public:
    Canvas(int width, int height, Paint fill = kKey);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Drawing outside the canvas is clipped silently, so shapes may straddle the edges.
    void Set(int x, int y, Paint color);
    Paint Get(int x, int y) const;
    void Fill(const Rect& r, Paint color);
    void Outline(const Rect& r, Paint color);
    void HLine(int x0, int x1, int y, Paint color);
    void VLine(int x, int y0, int y1, Paint color);
    // A raised (or, with the colours swapped, sunken) one-pixel edge: light top and left, dark
    // bottom and right.
    void Bevel(const Rect& r, Paint light, Paint dark);
    // Replaces every pixel of `from` inside r.
    void Replace(const Rect& r, Paint from, Paint to);
    // Copies the rectangle src of another canvas to (dx, dy); `skip` pixels of the source are
    // left out when skipKey is set.
    void Blit(const Canvas& source, const Rect& src, int dx, int dy, bool skipKey = false);

    // Rows as stored in a bitmap file: bottom-up, blue green red, padded to four bytes.
    std::vector<uint8_t> BottomUpRows() const;

  private:
    int width_;
    int height_;
    std::vector<Paint> pixels_;
};
