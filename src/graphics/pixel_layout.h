// Pixel arithmetic of held pictures: the depth and layout a decoded picture is
// kept in, row sizes, the row copy into a bottom-up bitmap, the colour table and
// premultiplied alpha. No platform calls: the image class feeds it the decoder's
// answers and its own memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Pixel format codes and flags as the decoder reports them.
constexpr std::uint32_t kFormatIndexed = 0x00010000;
constexpr std::uint32_t kFormatDisplayable = 0x00020000; // GDI can show it directly
constexpr std::uint32_t kFormatAlpha = 0x00040000;
constexpr std::uint32_t kFormat16bppRgb565 = 0x00021006;
constexpr std::uint32_t kFormat24bppRgb = 0x00021808;
constexpr std::uint32_t kFormat32bppRgb = 0x00022009;
constexpr std::uint32_t kFormat32bppArgb = 0x0026200A;
constexpr std::uint32_t kFormat32bppPArgb = 0x000E200B;

// Bits 8 to 15 of a pixel format: its bits per pixel.
constexpr int FormatBitsPerPixel(std::uint32_t format) {
    return static_cast<int>((format >> 8) & 0xFF);
}

// How a picture is held: the decoder's layout of the held bitmap, its depth and
// whether it is blended by its alpha channel.
struct HeldLayout {
    std::uint32_t pixelFormat;
    int bitsPerPixel;
    bool hasAlpha;
};

// Formats with alpha become 32-bit ARGB; formats GDI shows directly keep their
// own depth and layout; everything else becomes 32-bit RGB.
HeldLayout ChooseHeldLayout(std::uint32_t sourceFormat);

// Bytes of one row of a device-independent bitmap: padded to whole 32-bit words.
// None when the row is larger than a bitmap can be.
std::optional<std::size_t> DibRowPitch(std::uint32_t width, int bitsPerPixel);

// Bytes that carry pixels in a row: (bits per pixel x width + 7) / 8.
std::uint64_t RowPixelBytes(std::uint32_t width, int bitsPerPixel);

// Whether a bitmap of this size and depth can be held at all (its memory fits a
// signed 32-bit size, as the platform's bitmaps require, and it is not empty).
bool FitsHeldBitmap(std::uint32_t width, std::uint32_t height, int bitsPerPixel);

// Copies the rows of a top-down source (row 0 at source, the next one stride
// bytes on; the stride may be negative) into the memory of a bottom-up bitmap
// of the given pitch, so the picture stays upright. Copies nothing and returns
// false when a row's pixels would not fit the source stride or the pitch.
bool CopyRowsIntoBottomUp(const std::uint8_t* source, std::ptrdiff_t sourceStride,
                          std::uint8_t* bitmap, std::size_t pitch, std::uint32_t width,
                          std::uint32_t height, int bitsPerPixel);

// One colour table entry in the platform's order: blue, green, red, reserved.
struct ColourEntry {
    std::uint8_t blue;
    std::uint8_t green;
    std::uint8_t red;
    std::uint8_t reserved;
};

// A colour table from 0xAARRGGBB palette entries: alpha is dropped (the fourth
// byte is 0), and no more entries than the depth can index are taken.
std::vector<ColourEntry> ColourTableFromArgb(const std::uint32_t* entries, std::size_t count,
                                             int bitsPerPixel);

// Colour masks of a 16-bit layout that the plain 16-bit bitmap (5-5-5) does not
// describe; none for every other layout.
struct ColourMasks {
    std::uint32_t red;
    std::uint32_t green;
    std::uint32_t blue;
};
std::optional<ColourMasks> BitfieldMasks(std::uint32_t pixelFormat);

// Multiplies blue, green and red of 32-bit pixels (bytes B, G, R, A) by their
// alpha, rounded, as per-pixel blending expects.
void PremultiplyAlpha(std::uint8_t* bitmap, std::size_t pitch, std::uint32_t width,
                      std::uint32_t height);

// Calls visible(row, left, right) for each run of pixels that show (alpha above
// 0) of a 32-bit bottom-up bitmap, rows counted from the top, `right` one past
// the run: the shape of a window that shows the picture with its fully
// transparent pixels see-through. Returns the count of runs, 0 (after calls,
// which are then to be ignored) when no pixel is fully transparent.
template <class Visible>
std::size_t ForEachVisibleRun(const std::uint8_t* bitmap, std::size_t pitch, std::uint32_t width,
                              std::uint32_t height, Visible visible) {
    std::size_t count = 0;
    bool hidden = false;
    for (std::uint32_t row = 0; bitmap && row < height; ++row) {
        const std::uint8_t* pixels = bitmap + static_cast<std::size_t>(height - 1 - row) * pitch;
        for (std::uint32_t x = 0; x < width;) {
            const std::uint32_t start = x;
            while (x < width && pixels[4 * x + 3] == 0)
                ++x;
            hidden = hidden || x > start;
            const std::uint32_t left = x;
            while (x < width && pixels[4 * x + 3] != 0)
                ++x;
            if (x > left) {
                visible(row, left, x);
                ++count;
            }
        }
    }
    return hidden ? count : 0;
}

// Composes premultiplied 32-bit pixels over black: the colours stay as they
// are and every pixel becomes opaque.
void ComposeOverBlack(std::uint8_t* bitmap, std::size_t pitch, std::uint32_t width,
                      std::uint32_t height);
