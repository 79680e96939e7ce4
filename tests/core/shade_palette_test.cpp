#include "controls/shade_palette.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Palette = std::array<std::uint8_t, kShadePaletteEntries * kPaletteEntryBytes>;

constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}

// An entry as a colour 0x00BBGGRR, from its bytes blue, green, red.
std::uint32_t EntryColour(const Palette& p, unsigned n) {
    const std::uint8_t* e = &p[n * kPaletteEntryBytes];
    return Rgb(e[2], e[1], e[0]);
}

Palette Build(std::uint32_t hi, std::uint32_t face, std::uint32_t shadow) {
    Palette p;
    p.fill(0xEE);
    BuildShadePalette(p.data(), hi, face, shadow);
    return p;
}

TEST(ShadePalette, RunsFromShadowThroughFaceToHighlight) {
    const std::uint32_t hi = Rgb(255, 250, 240);
    const std::uint32_t face = Rgb(212, 208, 200);
    const std::uint32_t shadow = Rgb(128, 120, 100);
    const Palette p = Build(hi, face, shadow);
    EXPECT_EQ(EntryColour(p, 0), shadow);
    EXPECT_EQ(EntryColour(p, 255), hi);
    // 127: (127 * face + shadow) / 128 per channel.
    EXPECT_EQ(EntryColour(p, 127),
              Rgb((127 * 212 + 128) / 128, (127 * 208 + 120) / 128, (127 * 200 + 100) / 128));
    // 128 is one step above the face: (hi + 127 * face) / 128.
    EXPECT_EQ(EntryColour(p, 128),
              Rgb((255 + 127 * 212) / 128, (250 + 127 * 208) / 128, (240 + 127 * 200) / 128));
    EXPECT_EQ(EntryColour(p, 64), Rgb((64 * 212 + 64 * 128) / 128, (64 * 208 + 64 * 120) / 128,
                                      (64 * 200 + 64 * 100) / 128));
    for (unsigned n = 0; n < kShadePaletteEntries; ++n)
        EXPECT_EQ(p[n * kPaletteEntryBytes + 3], 0) << n;
}

TEST(ShadePalette, ChannelsAreKeptApart) {
    // Pure red, green and blue colours: each channel of each entry comes from
    // the same channel of the three colours only.
    const Palette p = Build(Rgb(0, 0, 255), Rgb(0, 255, 0), Rgb(255, 0, 0));
    for (unsigned n = 0; n < 128; ++n)
        EXPECT_EQ(EntryColour(p, n), Rgb((128 - n) * 255 / 128, n * 255 / 128, 0)) << n;
    for (unsigned n = 128; n < 256; ++n) {
        const unsigned j = n - 127;
        EXPECT_EQ(EntryColour(p, n), Rgb(0, (128 - j) * 255 / 128, j * 255 / 128)) << n;
    }
}

TEST(TintPaletteEntries, MovesEveryEntryTowardTheColour) {
    const Palette base = Build(Rgb(255, 255, 255), Rgb(192, 192, 192), Rgb(128, 128, 128));
    struct Case {
        std::uint32_t percent;
        std::uint32_t effective;
    };
    // Above 100, and negative values taken as unsigned, act as 100.
    const Case cases[] = {{0, 0}, {10, 10}, {55, 55}, {100, 100}, {101, 100}, {0xFFFFFFFFu, 100}};
    const std::uint32_t colour = Rgb(10, 200, 90);
    for (const Case& c : cases) {
        Palette p = base;
        TintPaletteEntries(p.data(), kShadePaletteEntries, colour, c.percent);
        for (unsigned n = 0; n < kShadePaletteEntries; ++n) {
            const std::uint8_t* was = &base[n * kPaletteEntryBytes];
            const std::uint32_t k = c.effective;
            const std::uint32_t expected =
                Rgb((was[2] * (100 - k) + 10 * k) / 100, (was[1] * (100 - k) + 200 * k) / 100,
                    (was[0] * (100 - k) + 90 * k) / 100);
            ASSERT_EQ(EntryColour(p, n), expected) << "percent " << c.percent << " entry " << n;
        }
    }
}

TEST(TintPaletteEntries, TouchesOnlyTheEntriesCounted) {
    Palette p;
    p.fill(50);
    TintPaletteEntries(p.data(), 2, Rgb(250, 250, 250), 100);
    EXPECT_EQ(EntryColour(p, 0), Rgb(250, 250, 250));
    EXPECT_EQ(EntryColour(p, 1), Rgb(250, 250, 250));
    EXPECT_EQ(EntryColour(p, 2), Rgb(50, 50, 50));
    EXPECT_EQ(p[3], 50); // the reserved byte is left alone
}

} // namespace
