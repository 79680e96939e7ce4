// The held picture's format choice and row layout over any decoder answer:
// format, size, stride (either direction), palette and pixels.
#include "graphics/pixel_layout.h"

#include "fuzz/fuzz_input.h"

#include <memory>

namespace {

// Small enough for a run to take microseconds; the row and size arithmetic
// itself is checked over the whole range of the numbers.
constexpr std::uint32_t kMostCopiedSide = 64;

bool IsBitmapDepth(int bitsPerPixel) {
    for (int depth : {1, 4, 8, 16, 24, 32})
        if (bitsPerPixel == depth)
            return true;
    return false;
}

void CheckSizeArithmetic(FuzzedDataProvider& input) {
    const std::uint32_t width = input.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t height = input.ConsumeIntegral<std::uint32_t>();
    const int bitsPerPixel = input.ConsumeIntegralInRange(-1, 64);
    const std::optional<std::size_t> pitch = DibRowPitch(width, bitsPerPixel);
    if (pitch) {
        Require(*pitch % 4 == 0 && *pitch >= RowPixelBytes(width, bitsPerPixel));
        Require(*pitch < RowPixelBytes(width, bitsPerPixel) + 4);
    }
    if (FitsHeldBitmap(width, height, bitsPerPixel))
        Require(pitch && IsBitmapDepth(bitsPerPixel) &&
                static_cast<std::uint64_t>(*pitch) * height <= 0x7FFFFFFF);
}

void CheckRowCopy(FuzzedDataProvider& input, int bitsPerPixel) {
    const std::uint32_t width = input.ConsumeIntegralInRange<std::uint32_t>(0, kMostCopiedSide);
    const std::uint32_t height = input.ConsumeIntegralInRange<std::uint32_t>(0, kMostCopiedSide);
    const std::ptrdiff_t stride = input.ConsumeIntegralInRange<std::ptrdiff_t>(-300, 300);
    const std::size_t pitch = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    const std::size_t rowBytes = static_cast<std::size_t>(RowPixelBytes(width, bitsPerPixel));
    const std::size_t strideBytes = static_cast<std::size_t>(stride < 0 ? -stride : stride);

    // Buffers exactly as large as the rows in them, so that any stray byte is caught.
    const std::size_t sourceBytes = height ? strideBytes * (height - 1) + rowBytes : 0;
    const auto source = std::make_unique<std::uint8_t[]>(sourceBytes);
    const std::size_t bitmapBytes = pitch * height;
    const auto bitmap = std::make_unique<std::uint8_t[]>(bitmapBytes);
    // With a negative stride, row 0 is the last in memory.
    const std::uint8_t* firstRow =
        stride < 0 && height ? source.get() + strideBytes * (height - 1) : source.get();
    const bool copied =
        CopyRowsIntoBottomUp(firstRow, stride, bitmap.get(), pitch, width, height, bitsPerPixel);
    Require(copied == (rowBytes <= strideBytes && rowBytes <= pitch));

    if (bitsPerPixel == 32 && pitch >= std::size_t{width} * 4) {
        PremultiplyAlpha(bitmap.get(), pitch, width, height);
        ComposeOverBlack(bitmap.get(), pitch, width, height);
        for (std::uint32_t row = 0; row < height; ++row)
            for (std::uint32_t x = 0; x < width; ++x)
                Require(bitmap[row * pitch + x * 4 + 3] == 255);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint32_t format = input.ConsumeIntegral<std::uint32_t>();
    const HeldLayout held = ChooseHeldLayout(format);
    Require(IsBitmapDepth(held.bitsPerPixel) &&
            held.bitsPerPixel == FormatBitsPerPixel(held.pixelFormat));
    Require(held.hasAlpha == ((format & kFormatAlpha) != 0));
    if (const std::optional<ColourMasks> masks = BitfieldMasks(held.pixelFormat))
        Require(held.bitsPerPixel == 16);

    CheckSizeArithmetic(input);
    CheckRowCopy(input, held.bitsPerPixel);

    const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    const auto entries = std::make_unique<std::uint32_t[]>(count);
    for (std::size_t i = 0; i < count; ++i)
        entries[i] = input.ConsumeIntegral<std::uint32_t>();
    const int tableDepth = input.ConsumeIntegralInRange(-1, 33);
    const std::vector<ColourEntry> table = ColourTableFromArgb(entries.get(), count, tableDepth);
    Require(table.size() <= count && (tableDepth <= 8 || table.empty()));
    for (const ColourEntry& entry : table)
        Require(entry.reserved == 0);
    return 0;
}
