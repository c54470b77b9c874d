// Pixels as the user sees them: copied from the screen, which belongs to the test, so the window
// under test is unobscured. (Another process's PrintWindow draws nothing under Wine.)
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Wait.h"

namespace tk {

// 0x00RRGGBB per pixel, rows top-down, exactly width per row.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Image CaptureScreen(int x, int y, int width, int height);
// A rectangle given in the window's client coordinates.
Image CaptureClient(HWND window, int x, int y, int width, int height);
// The whole client area.
Image CaptureClient(HWND window);

// 24-bit bottom-up BMP (opaque, whatever the capture's fourth byte was).
bool SaveBmp(const Image& image, const std::string& path);
// Reads an uncompressed 24- or 32-bit BMP, bottom-up or top-down.
bool LoadBmp(const std::string& path, Image& image);

struct Difference {
    bool sameSize = false;
    long count = 0;  // pixels that differ
    int x = -1, y = -1;
    uint32_t got = 0, expected = 0;  // at the first difference (row by row from the top)
    std::string Describe() const;
};
Difference Compare(const Image& got, const Image& expected);

// Screen pixels arrive asynchronously (Wine flushes window surfaces lazily): polls the capture of the
// client rectangle until it equals expected or the deadline passes; returns the last difference.
Difference WaitPixels(HWND window, int x, int y, const Image& expected, DWORD ms = kDefaultWait);

}  // namespace tk
