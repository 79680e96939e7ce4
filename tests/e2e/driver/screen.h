// Screenshots from the screen's device context: under Wine another process's
// window surface reads black, so every capture is of the screen at the
// window's screen rectangle.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Pixels as 0x00RRGGBB, rows from the top.
class ScreenImage {
public:
    ScreenImage() = default;
    ScreenImage(int width, int height)
        : m_width(width), m_height(height), m_pixels(size_t(width) * height) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_pixels.empty(); }
    uint32_t at(int x, int y) const { return m_pixels[size_t(y) * m_width + x]; }
    uint32_t* data() { return m_pixels.data(); }
    bool operator==(const ScreenImage& other) const {
        return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
    }
    bool operator!=(const ScreenImage& other) const { return !(*this == other); }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};

constexpr uint32_t PackRgb(int r, int g, int b) {
    return (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}
inline int RedOf(uint32_t pixel) {
    return int(pixel >> 16) & 0xFF;
}
inline int GreenOf(uint32_t pixel) {
    return int(pixel >> 8) & 0xFF;
}
inline int BlueOf(uint32_t pixel) {
    return int(pixel) & 0xFF;
}

ScreenImage CaptureScreen(const RECT& screenRect);

// Captures the rectangle until two captures `interval` apart are equal (the
// window has finished painting), at most for `milliseconds`.
ScreenImage CaptureWhenSettled(const RECT& screenRect, DWORD milliseconds = 3000,
                               DWORD interval = 100);

// Writes a capture as a 32-bit BMP, for looking at a failure.
void SaveBmp(const ScreenImage& image, const std::string& path);

// Which of the standard message box icons (IDI_HAND, IDI_QUESTION,
// IDI_EXCLAMATION, IDI_ASTERISK) the box shows: its icon static is compared,
// pixel by pixel, with each standard icon drawn on the same background.
// Returns the matching IDI_* value or nullptr.
LPCSTR MessageBoxIconOf(HWND box);
