// Test pictures written byte by byte, so that every test knows each pixel it
// expects on the screen: 24-bit BMP, 8-bit GIF with a palette and an optional
// transparent index, and 32-bit PNG with alpha.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba& other) const {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
};

// A picture of direct colours, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    Picture(int w, int h, Rgba fill) : width(w), height(h), pixels(size_t(w) * h, fill) {}
    Rgba& at(int x, int y) { return pixels[size_t(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    void Fill(int left, int top, int right, int bottom, Rgba colour);
};

// A picture of palette indexes, rows from the top.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> palette; // at most 256 entries; alpha is not stored
    std::vector<uint8_t> indexes;
    int transparentIndex = -1; // -1: none
};

std::string EncodeBmp24(const Picture& picture);
std::string EncodeGif8(const IndexedPicture& picture);
std::string EncodePng32(const Picture& picture);
