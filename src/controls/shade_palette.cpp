#include "controls/shade_palette.h"

namespace {

// Byte offsets of the channels in a palette entry and in a colour.
struct Channel {
    std::size_t entryOffset;
    unsigned colourShift;
};
constexpr Channel kChannels[] = {{0, 16}, {1, 8}, {2, 0}}; // blue, green, red

unsigned ChannelOf(std::uint32_t colour, const Channel& channel) {
    return (colour >> channel.colourShift) & 0xFFu;
}

} // namespace

void BuildShadePalette(std::uint8_t* entries, std::uint32_t highlight, std::uint32_t face,
                       std::uint32_t shadow) {
    for (unsigned n = 0; n < kShadePaletteEntries; ++n) {
        std::uint8_t* entry = entries + n * kPaletteEntryBytes;
        for (const Channel& channel : kChannels) {
            const unsigned hi = ChannelOf(highlight, channel);
            const unsigned mid = ChannelOf(face, channel);
            const unsigned low = ChannelOf(shadow, channel);
            unsigned value;
            if (n < 128) {
                value = (n * mid + (128 - n) * low) / 128;
            } else {
                const unsigned j = n - 127; // 1 ... 128
                value = (j * hi + (128 - j) * mid) / 128;
            }
            entry[channel.entryOffset] = static_cast<std::uint8_t>(value);
        }
        entry[3] = 0;
    }
}

void TintPaletteEntries(std::uint8_t* entries, std::size_t count, std::uint32_t colour,
                        std::uint32_t percent) {
    if (percent > 100)
        percent = 100;
    for (std::size_t n = 0; n < count; ++n) {
        std::uint8_t* entry = entries + n * kPaletteEntryBytes;
        for (const Channel& channel : kChannels) {
            const std::uint32_t own = entry[channel.entryOffset];
            const std::uint32_t toward = ChannelOf(colour, channel);
            entry[channel.entryOffset] =
                static_cast<std::uint8_t>((own * (100 - percent) + toward * percent) / 100);
        }
    }
}
