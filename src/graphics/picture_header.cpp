#include "graphics/picture_header.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint32_t BigEndian16(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 8 | p[1];
}

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return BigEndian16(p) << 16 | BigEndian16(p + 2);
}

std::uint32_t LittleEndian16(const std::uint8_t* p) {
    return std::uint32_t{p[1]} << 8 | p[0];
}

std::uint32_t LittleEndian32(const std::uint8_t* p) {
    return LittleEndian16(p + 2) << 16 | LittleEndian16(p);
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
    if (size < 26 || std::memcmp(bytes + 12, "IHDR", 4) != 0)
        return std::nullopt;
    const int depth = bytes[24];
    int channels = 0;
    switch (bytes[25]) {
    case 0: // grey
    case 3: // palette indexes
        channels = 1;
        break;
    case 2: // red, green, blue
        channels = 3;
        break;
    case 4: // grey and alpha
        channels = 2;
        break;
    case 6: // red, green, blue and alpha
        channels = 4;
        break;
    default:
        return std::nullopt;
    }
    if (depth < 1 || depth > 16)
        return std::nullopt;
    return Header(BigEndian32(bytes + 16), BigEndian32(bytes + 20), channels * depth);
}

// The file header, then the old 12-byte core header or one of the newer ones.
std::optional<PictureHeader> Bmp(const std::uint8_t* bytes, std::size_t size) {
    if (size < 18)
        return std::nullopt;
    const std::uint32_t infoSize = LittleEndian32(bytes + 14);
    if (infoSize == 12 && size >= 26)
        return Header(LittleEndian16(bytes + 18), LittleEndian16(bytes + 20),
                      static_cast<int>(LittleEndian16(bytes + 24)));
    if (infoSize < 40 || size < 30)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(LittleEndian32(bytes + 18));
    const auto height = static_cast<std::int32_t>(LittleEndian32(bytes + 22));
    const int bits = static_cast<int>(LittleEndian16(bytes + 28));
    // A negative height is a top-down picture; a negative width or no depth
    // (a compressed picture inside) is the decoder's to judge.
    if (width < 0 || bits == 0)
        return std::nullopt;
    const std::uint32_t rows =
        height < 0 ? 0u - static_cast<std::uint32_t>(height) : static_cast<std::uint32_t>(height);
    return Header(static_cast<std::uint32_t>(width), rows, bits);
}

bool IsStartOfFrame(std::uint8_t marker) {
    // 0xC4, 0xC8 and 0xCC share the range but are tables, not frames.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The segments after the start-of-image marker up to the first frame header.
std::optional<PictureHeader> Jpeg(const std::uint8_t* bytes, std::size_t size) {
    std::size_t at = 2;
    while (at + 4 <= size) {
        if (bytes[at] != 0xFF)
            return std::nullopt;
        const std::uint8_t marker = bytes[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        const std::size_t length = BigEndian16(bytes + at + 2);
        if (IsStartOfFrame(marker)) {
            if (length < 8 || at + 10 > size)
                return std::nullopt;
            const int components = bytes[at + 9];
            return Header(BigEndian16(bytes + at + 7), BigEndian16(bytes + at + 5),
                          std::min(8 * components, 24));
        }
        if (length < 2 || marker == 0xDA) // scan data before any frame header
            return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

} // namespace

std::optional<PictureHeader> ReadPictureHeader(const std::uint8_t* bytes, std::size_t size) {
    if (!bytes)
        return std::nullopt;
    if (StartsWith(bytes, size, "\x89PNG\r\n\x1a\n", 8))
        return Png(bytes, size);
    if (StartsWith(bytes, size, "BM", 2))
        return Bmp(bytes, size);
    if (StartsWith(bytes, size, "\xFF\xD8", 2))
        return Jpeg(bytes, size);
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
