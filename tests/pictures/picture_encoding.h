// Picture files encoded byte by byte for the tests, so every test picture is
// reproducible and its exact pixels are known. Pixels are 0xAARRGGBB, top row
// first. No platform code: the in-process and the end-to-end tests share it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Pixels = std::vector<std::uint32_t>;

// Uncompressed bottom-up BMP at 24 bits per pixel (alpha ignored).
std::string Bmp24(int width, int height, const Pixels& pixels);

// BMP at 16 bits per pixel in the 5-6-5 layout (colour masks in the header).
std::string Bmp565(int width, int height, const Pixels& pixels);

// GIF with a 256-entry global palette; `indices` picks a palette entry per pixel.
// A transparent index >= 0 is written into the graphic control extension.
std::string Gif8(int width, int height, const Pixels& palette,
                 const std::vector<std::uint8_t>& indices, int transparentIndex = -1);

// PNG, truecolour with alpha (colour type 6) or without (2), at 8 or 16 bits per
// channel (16-bit channels repeat the 8-bit value). A resolution in dots per
// inch other than 0 is written as a pHYs chunk, a gamma other than 0 (times
// 100000) as a gAMA chunk.
std::string Png(int width, int height, const Pixels& pixels, bool withAlpha, int bitsPerChannel,
                int dotsPerInch = 0, std::uint32_t gamma = 0);
