#include "graphics/picture_header.h"

#include <algorithm>
#include <cstring>

namespace {

// An unsigned number of `bytes` bytes at p, most significant first or last.
std::uint32_t Number(const std::uint8_t* p, int bytes, bool bigEndian) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | p[bigEndian ? i : bytes - 1 - i];
    return value;
}

bool StartsWith(const std::uint8_t* bytes, std::size_t size, const char* magic,
                std::size_t length) {
    return size >= length && std::memcmp(bytes, magic, length) == 0;
}

PictureHeader Header(std::uint32_t width, std::uint32_t height, int bitsPerPixel) {
    return {width, height, std::min(bitsPerPixel, 32)};
}

// The signature, then the first chunk, which must be IHDR.
std::optional<PictureHeader> Png(const std::uint8_t* bytes, std::size_t size) {
    // Samples per pixel by colour type: grey, -, RGB, palette index, grey and alpha, -, RGBA.
    constexpr std::uint8_t kChannels[] = {1, 0, 3, 1, 2, 0, 4};
    if (size < 26 || std::memcmp(bytes + 12, "IHDR", 4) != 0)
        return std::nullopt;
    const int depth = bytes[24];
    const int channels = bytes[25] < sizeof kChannels ? kChannels[bytes[25]] : 0;
    if (channels == 0 || depth < 1 || depth > 16)
        return std::nullopt;
    return Header(Number(bytes + 16, 4, true), Number(bytes + 20, 4, true), channels * depth);
}

// The file header, then the old 12-byte core header or one of the newer ones.
std::optional<PictureHeader> Bmp(const std::uint8_t* bytes, std::size_t size) {
    if (size < 30)
        return std::nullopt;
    const std::uint32_t infoSize = Number(bytes + 14, 4, false);
    if (infoSize == 12)
        return Header(Number(bytes + 18, 2, false), Number(bytes + 20, 2, false),
                      static_cast<int>(Number(bytes + 24, 2, false)));
    const auto width = static_cast<std::int32_t>(Number(bytes + 18, 4, false));
    const std::uint32_t height = Number(bytes + 22, 4, false);
    const int bits = static_cast<int>(Number(bytes + 28, 2, false));
    // A negative height is a top-down picture; a negative width or no depth
    // (a compressed picture inside) is the decoder's to judge.
    if (infoSize < 40 || width < 0 || bits == 0)
        return std::nullopt;
    return Header(static_cast<std::uint32_t>(width),
                  static_cast<std::int32_t>(height) < 0 ? 0u - height : height, bits);
}

} // namespace

std::optional<PictureHeader> ReadPictureHeader(const std::uint8_t* bytes, std::size_t size) {
    if (!bytes)
        return std::nullopt;
    if (StartsWith(bytes, size, "\x89PNG\r\n\x1a\n", 8))
        return Png(bytes, size);
    if (StartsWith(bytes, size, "BM", 2))
        return Bmp(bytes, size);
    return std::nullopt;
}

bool TooLargeToHold(const PictureHeader& header) {
    if (header.width == 0 || header.height == 0 || header.bitsPerPixel <= 0)
        return false;
    const std::uint64_t rowBytes =
        (std::uint64_t{header.width} * static_cast<std::uint64_t>(header.bitsPerPixel) + 31) / 32 *
        4;
    // Divided, not multiplied: width and height may each be near 2^32.
    return header.height > kMaxHeldPictureBytes / rowBytes;
}
