// A 32-bit drawing surface the test owns: a top-down bitmap selected into a
// memory device context, its pixels read straight from memory.
#pragma once

#include "framework/gdi.h"

#include <windows.h>

#include <cstdint>

class TestSurface {
public:
    TestSurface(int width, int height, COLORREF fill);
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;
    ~TestSurface();

    HDC dc() const { return m_dc.get(); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void Fill(COLORREF colour);
    // The pixel as 0x00RRGGBB (the form pictures' pixels are written in).
    std::uint32_t Pixel(int x, int y) const;
    // The pixel as a COLORREF.
    COLORREF Colour(int x, int y) const;

private:
    int m_width;
    int m_height;
    std::uint32_t* m_bits = nullptr;
    MemoryDC m_dc;
    UniqueBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

// 0xAARRGGBB or 0x00RRGGBB as a COLORREF (0x00BBGGRR).
constexpr COLORREF ToColorRef(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The largest difference of red, green and blue between two 0x00RRGGBB pixels.
int ChannelDistance(std::uint32_t a, std::uint32_t b);
