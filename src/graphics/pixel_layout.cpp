#include "graphics/pixel_layout.h"

#include <cstring>
#include <limits>

namespace {

// The platform takes a bitmap's size as a signed 32-bit number of bytes.
constexpr std::uint64_t kMaxBitmapBytes = std::numeric_limits<std::int32_t>::max();

bool IsBitmapDepth(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

} // namespace

HeldLayout ChooseHeldLayout(std::uint32_t sourceFormat) {
    if (sourceFormat & kFormatAlpha)
        return {kFormat32bppArgb, 32, true};
    const int ownDepth = FormatBitsPerPixel(sourceFormat);
    // A displayable format with a depth no bitmap has would be a decoder fault;
    // converting it is the safe way.
    if ((sourceFormat & kFormatDisplayable) && IsBitmapDepth(ownDepth))
        return {sourceFormat, ownDepth, false};
    return {kFormat32bppRgb, 32, false};
}

std::uint64_t RowPixelBytes(std::uint32_t width, int bitsPerPixel) {
    return (static_cast<std::uint64_t>(bitsPerPixel) * width + 7) / 8;
}

std::optional<std::size_t> DibRowPitch(std::uint32_t width, int bitsPerPixel) {
    if (bitsPerPixel <= 0)
        return std::nullopt;
    const std::uint64_t pitch = (static_cast<std::uint64_t>(bitsPerPixel) * width + 31) / 32 * 4;
    if (pitch > kMaxBitmapBytes)
        return std::nullopt;
    return static_cast<std::size_t>(pitch);
}

bool FitsHeldBitmap(std::uint32_t width, std::uint32_t height, int bitsPerPixel) {
    if (width == 0 || height == 0 || !IsBitmapDepth(bitsPerPixel))
        return false;
    // The platform takes width and height as signed 32-bit numbers too.
    if (width > kMaxBitmapBytes || height > kMaxBitmapBytes)
        return false;
    const std::optional<std::size_t> pitch = DibRowPitch(width, bitsPerPixel);
    return pitch && static_cast<std::uint64_t>(*pitch) * height <= kMaxBitmapBytes;
}

bool CopyRowsIntoBottomUp(const std::uint8_t* source, std::ptrdiff_t sourceStride,
                          std::uint8_t* bitmap, std::size_t pitch, std::uint32_t width,
                          std::uint32_t height, int bitsPerPixel) {
    const std::uint64_t rowBytes = RowPixelBytes(width, bitsPerPixel);
    const std::uint64_t strideBytes = sourceStride < 0
                                          ? static_cast<std::uint64_t>(-(sourceStride + 1)) + 1
                                          : static_cast<std::uint64_t>(sourceStride);
    if (!source || !bitmap || rowBytes > strideBytes || rowBytes > pitch)
        return false;
    for (std::uint32_t row = 0; row < height; ++row) {
        const std::uint8_t* from = source + static_cast<std::ptrdiff_t>(row) * sourceStride;
        std::uint8_t* to = bitmap + static_cast<std::size_t>(height - 1 - row) * pitch;
        std::memcpy(to, from, static_cast<std::size_t>(rowBytes));
    }
    return true;
}

std::vector<ColourEntry> ColourTableFromArgb(const std::uint32_t* entries, std::size_t count,
                                             int bitsPerPixel) {
    const std::size_t capacity =
        bitsPerPixel >= 1 && bitsPerPixel <= 8 ? std::size_t{1} << bitsPerPixel : 0;
    const std::size_t taken = entries ? (count < capacity ? count : capacity) : 0;
    std::vector<ColourEntry> table;
    table.reserve(taken);
    for (std::size_t i = 0; i < taken; ++i) {
        const std::uint32_t argb = entries[i];
        table.push_back({static_cast<std::uint8_t>(argb), static_cast<std::uint8_t>(argb >> 8),
                         static_cast<std::uint8_t>(argb >> 16), 0});
    }
    return table;
}

std::optional<ColourMasks> BitfieldMasks(std::uint32_t pixelFormat) {
    if (pixelFormat == kFormat16bppRgb565)
        return ColourMasks{0xF800, 0x07E0, 0x001F};
    return std::nullopt;
}

void PremultiplyAlpha(std::uint8_t* bitmap, std::size_t pitch, std::uint32_t width,
                      std::uint32_t height) {
    if (!bitmap)
        return;
    for (std::uint32_t row = 0; row < height; ++row) {
        std::uint8_t* pixel = bitmap + static_cast<std::size_t>(row) * pitch;
        for (std::uint32_t x = 0; x < width; ++x, pixel += 4) {
            const unsigned alpha = pixel[3];
            if (alpha == 255)
                continue;
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = static_cast<std::uint8_t>((pixel[channel] * alpha + 127) / 255);
        }
    }
}

void ComposeOverBlack(std::uint8_t* bitmap, std::size_t pitch, std::uint32_t width,
                      std::uint32_t height) {
    if (!bitmap)
        return;
    for (std::uint32_t row = 0; row < height; ++row) {
        std::uint8_t* pixel = bitmap + static_cast<std::size_t>(row) * pitch;
        for (std::uint32_t x = 0; x < width; ++x, pixel += 4)
            pixel[3] = 255;
    }
}
