#include "test_surface.h"

#include <cstdlib>

TestSurface::TestSurface(int width, int height, COLORREF fill)
    : m_width(width), m_height(height), m_dc(nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row y at bits + y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<std::uint32_t*>(bits);
    m_previous = ::SelectObject(m_dc.get(), m_bitmap.get());
    Fill(fill);
}

TestSurface::~TestSurface() {
    ::SelectObject(m_dc.get(), m_previous);
}

void TestSurface::Fill(COLORREF colour) {
    UniqueBrush brush(::CreateSolidBrush(colour));
    RECT all{0, 0, m_width, m_height};
    ::FillRect(m_dc.get(), &all, brush.get());
    ::GdiFlush();
}

std::uint32_t TestSurface::Pixel(int x, int y) const {
    ::GdiFlush();
    return m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] &
           0x00FFFFFF;
}

COLORREF TestSurface::Colour(int x, int y) const {
    return ToColorRef(Pixel(x, y));
}

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d =
            std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        largest = d > largest ? d : largest;
    }
    return largest;
}
