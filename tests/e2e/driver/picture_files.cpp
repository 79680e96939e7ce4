#include "picture_files.h"

#include "pictures/picture_encoding.h"

namespace {

std::uint32_t ToArgb(const Rgba& p) {
    return std::uint32_t(p.a) << 24 | std::uint32_t(p.r) << 16 | std::uint32_t(p.g) << 8 | p.b;
}

Pixels ToPixels(const std::vector<Rgba>& colours) {
    Pixels pixels;
    pixels.reserve(colours.size());
    for (const Rgba& p : colours)
        pixels.push_back(ToArgb(p));
    return pixels;
}

} // namespace

void Picture::Fill(int left, int top, int right, int bottom, Rgba colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            at(x, y) = colour;
}

std::string EncodeBmp24(const Picture& picture) {
    return Bmp24(picture.width, picture.height, ToPixels(picture.pixels));
}

std::string EncodeGif8(const IndexedPicture& picture) {
    return Gif8(picture.width, picture.height, ToPixels(picture.palette), picture.indexes,
                picture.transparentIndex);
}

std::string EncodePng32(const Picture& picture) {
    return Png(picture.width, picture.height, ToPixels(picture.pixels), true, 8);
}
