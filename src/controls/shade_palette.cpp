#include "controls/shade_palette.h"

namespace {

// Entry bytes are blue, green, red, 0; colours are 0x00BBGGRR.
constexpr std::size_t kBlue = 0;
constexpr std::size_t kGreen = 1;
constexpr std::size_t kRed = 2;

unsigned Red(std::uint32_t colour) {
    return colour & 0xFFu;
}
unsigned Green(std::uint32_t colour) {
    return (colour >> 8) & 0xFFu;
}
unsigned Blue(std::uint32_t colour) {
    return (colour >> 16) & 0xFFu;
}

// Entries first ... first + 127 of one channel: (k * to + (128 - k) * from) / 128
// for k = step0 ... step0 + 127, as a running sum (all terms are non-negative,
// so the division is a shift).
void Blend(std::uint8_t* entries, std::size_t channel, unsigned from, unsigned to, unsigned step0) {
    unsigned numerator = step0 * to + (128 - step0) * from;
    const int step = static_cast<int>(to) - static_cast<int>(from);
    for (unsigned k = 0; k < 128; ++k) {
        entries[k * kPaletteEntryBytes + channel] = static_cast<std::uint8_t>(numerator >> 7);
        numerator = static_cast<unsigned>(static_cast<int>(numerator) + step);
    }
}

} // namespace

void BuildShadePalette(std::uint8_t* entries, std::uint32_t highlight, std::uint32_t face,
                       std::uint32_t shadow) {
    // Entries 0 ... 127 from the shadow toward the face (n of 128 steps);
    // entries 128 ... 255 from the face toward the highlight (j = n - 127 steps).
    std::uint8_t* upper = entries + 128 * kPaletteEntryBytes;
    Blend(entries, kRed, Red(shadow), Red(face), 0);
    Blend(entries, kGreen, Green(shadow), Green(face), 0);
    Blend(entries, kBlue, Blue(shadow), Blue(face), 0);
    Blend(upper, kRed, Red(face), Red(highlight), 1);
    Blend(upper, kGreen, Green(face), Green(highlight), 1);
    Blend(upper, kBlue, Blue(face), Blue(highlight), 1);
    for (std::size_t n = 0; n < kShadePaletteEntries; ++n)
        entries[n * kPaletteEntryBytes + 3] = 0;
}

void TintPaletteEntries(std::uint8_t* entries, std::size_t count, std::uint32_t colour,
                        std::uint32_t percent) {
    if (percent > 100)
        percent = 100;
    if (percent == 0)
        return; // (channel * 100) / 100: every entry stays as it is
    const std::uint32_t keep = 100 - percent;
    const std::uint32_t blue = Blue(colour) * percent;
    const std::uint32_t green = Green(colour) * percent;
    const std::uint32_t red = Red(colour) * percent;
    for (std::size_t n = 0; n < count; ++n) {
        std::uint8_t* entry = entries + n * kPaletteEntryBytes;
        entry[kBlue] = static_cast<std::uint8_t>((entry[kBlue] * keep + blue) / 100);
        entry[kGreen] = static_cast<std::uint8_t>((entry[kGreen] * keep + green) / 100);
        entry[kRed] = static_cast<std::uint8_t>((entry[kRed] * keep + red) / 100);
    }
}
