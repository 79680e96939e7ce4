// Saving a top-down 32-bit pixel buffer as a 24-bit BMP file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The file's bytes: headers, then bottom-up rows of blue, green, red padded to
// four bytes. `pixels` holds width × height values 0x00RRGGBB, top row first.
std::vector<std::uint8_t> EncodeBmp24(const std::uint32_t* pixels, int width, int height);

bool WriteBmp24(const std::string& path, const std::uint32_t* pixels, int width, int height);
