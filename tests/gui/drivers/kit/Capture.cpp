#include "Capture.h"

#include "Report.h"

#include <cstdio>
#include <cstring>

namespace tk {
namespace {

uint32_t ReadLe32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void PutLe32(unsigned char* p, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

Image CaptureScreen(int x, int y, int width, int height) {
    Image image;
    if (width <= 0 || height <= 0)
        return image;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section && bits) {
        HGDIOBJ old = SelectObject(memory, section);
        BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY);
        GdiFlush();
        image.width = width;
        image.height = height;
        image.pixels.resize(static_cast<size_t>(width) * height);
        const auto* source = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < image.pixels.size(); ++i)
            image.pixels[i] = source[i] & 0x00FFFFFF;
        SelectObject(memory, old);
    }
    if (section)
        DeleteObject(section);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

Image CaptureClient(HWND window, int x, int y, int width, int height) {
    POINT origin = {x, y};
    ClientToScreen(window, &origin);
    return CaptureScreen(origin.x, origin.y, width, height);
}

Image CaptureClient(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return CaptureClient(window, 0, 0, client.right, client.bottom);
}

bool SaveBmp(const Image& image, const std::string& path) {
    const uint32_t stride = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    const uint32_t size = 54 + stride * image.height;
    std::vector<unsigned char> file(size, 0);
    file[0] = 'B';
    file[1] = 'M';
    PutLe32(&file[2], size);
    PutLe32(&file[10], 54);
    PutLe32(&file[14], 40);
    PutLe32(&file[18], image.width);
    PutLe32(&file[22], image.height);
    file[26] = 1;
    file[28] = 24;
    PutLe32(&file[34], stride * image.height);
    for (int row = 0; row < image.height; ++row) {
        unsigned char* out = &file[54 + static_cast<size_t>(stride) * (image.height - 1 - row)];
        for (int x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.At(x, row);
            out[3 * x] = pixel & 0xFF;
            out[3 * x + 1] = (pixel >> 8) & 0xFF;
            out[3 * x + 2] = (pixel >> 16) & 0xFF;
        }
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}

bool LoadBmp(const std::string& path, Image& image) {
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return false;
    std::vector<unsigned char> file;
    unsigned char chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        file.insert(file.end(), chunk, chunk + got);
    std::fclose(in);
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M')
        return false;
    const uint32_t offset = ReadLe32(&file[10]);
    const int32_t width = static_cast<int32_t>(ReadLe32(&file[18]));
    const int32_t rawHeight = static_cast<int32_t>(ReadLe32(&file[22]));
    const int bits = file[28] | (file[29] << 8);
    const uint32_t compression = ReadLe32(&file[30]);
    const bool topDown = rawHeight < 0;
    const int32_t height = topDown ? -rawHeight : rawHeight;
    if (width <= 0 || width > 16384 || height <= 0 || height > 16384 || (bits != 24 && bits != 32) || compression != 0)
        return false;
    const size_t bytesPerPixel = bits / 8;
    const size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) & ~static_cast<size_t>(3);
    if (offset > file.size() || stride * height > file.size() - offset)
        return false;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, 0);
    for (int32_t row = 0; row < height; ++row) {
        const int32_t stored = topDown ? row : height - 1 - row;
        const unsigned char* inRow = &file[offset + stride * stored];
        for (int32_t x = 0; x < width; ++x) {
            const unsigned char* p = inRow + bytesPerPixel * x;
            image.pixels[static_cast<size_t>(row) * width + x] = p[0] | (p[1] << 8) | (p[2] << 16);
        }
    }
    return true;
}

std::string Difference::Describe() const {
    if (!sameSize)
        return "sizes differ";
    if (count == 0)
        return "identical";
    return Format("%ld pixels differ, first at (%d, %d): got %06X expected %06X", count, x, y, got, expected);
}

Difference Compare(const Image& got, const Image& expected) {
    Difference result;
    result.sameSize = got.width == expected.width && got.height == expected.height &&
                      got.pixels.size() == expected.pixels.size() && got.width > 0;
    if (!result.sameSize)
        return result;
    for (int y = 0; y < got.height; ++y) {
        for (int x = 0; x < got.width; ++x) {
            if (got.At(x, y) == expected.At(x, y))
                continue;
            if (result.count++ == 0) {
                result.x = x;
                result.y = y;
                result.got = got.At(x, y);
                result.expected = expected.At(x, y);
            }
        }
    }
    return result;
}

Difference WaitPixels(HWND window, int x, int y, const Image& expected, DWORD ms) {
    Difference last;
    WaitUntil(
        [&] {
            last = Compare(CaptureClient(window, x, y, expected.width, expected.height), expected);
            return last.sameSize && last.count == 0;
        },
        ms);
    return last;
}

}  // namespace tk
