// The shading palette and its tint over any colours, counts and percentages.
#include "controls/shade_palette.h"

#include "fuzz/fuzz_input.h"

#include <array>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint32_t highlight = input.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t face = input.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t shadow = input.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t tint = input.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t percent = input.ConsumeIntegral<std::uint32_t>();
    const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, kShadePaletteEntries);

    // Exactly as large as the entries, so that a stray write is caught.
    const std::size_t bytes = kShadePaletteEntries * kPaletteEntryBytes;
    const auto palette = std::make_unique<std::uint8_t[]>(bytes);
    BuildShadePalette(palette.get(), highlight, face, shadow);
    for (std::size_t n = 0; n < kShadePaletteEntries; ++n)
        Require(palette[n * kPaletteEntryBytes + 3] == 0);
    // Entry 0 is the shadow itself.
    Require(palette[2] == (shadow & 0xFF) && palette[1] == ((shadow >> 8) & 0xFF) &&
            palette[0] == ((shadow >> 16) & 0xFF));

    const auto entries = std::make_unique<std::uint8_t[]>(count * kPaletteEntryBytes);
    std::copy(palette.get(), palette.get() + count * kPaletteEntryBytes, entries.get());
    TintPaletteEntries(entries.get(), count, tint, percent);
    for (std::size_t n = 0; n < count; ++n) {
        const std::uint8_t* entry = entries.get() + n * kPaletteEntryBytes;
        if (percent == 0)
            Require(std::equal(entry, entry + kPaletteEntryBytes,
                               palette.get() + n * kPaletteEntryBytes));
        if (percent >= 100)
            Require(entry[2] == (tint & 0xFF) && entry[1] == ((tint >> 8) & 0xFF) &&
                    entry[0] == ((tint >> 16) & 0xFF));
    }
    return 0;
}
