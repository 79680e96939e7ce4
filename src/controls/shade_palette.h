// The shaded buttons' palettes: 256 entries from the shadow through the face to
// the highlight colour, and tinting toward a colour.
#pragma once

#include <cstddef>
#include <cstdint>

// Colours are 0x00BBGGRR; palette entries are 4 bytes: blue, green, red, 0.
constexpr std::size_t kShadePaletteEntries = 256;
constexpr std::size_t kPaletteEntryBytes = 4;

// Fills 256 entries (1024 bytes): entry 0 is the shadow, entry 255 the highlight.
void BuildShadePalette(std::uint8_t* entries, std::uint32_t highlight, std::uint32_t face,
                       std::uint32_t shadow);

// Moves every entry percent of the way toward colour; percent above 100 acts as 100.
void TintPaletteEntries(std::uint8_t* entries, std::size_t count, std::uint32_t colour,
                        std::uint32_t percent);
