#include "graphics/picture_header.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string BigEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out += static_cast<char>(value >> shift);
    return out;
}

std::string LittleEndian(std::uint32_t value, int bytes) {
    const std::string big = BigEndian(value, bytes);
    return std::string(big.rbegin(), big.rend());
}

std::string Png(std::uint32_t width, std::uint32_t height, int depth, int colourType) {
    return std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + BigEndian(width, 4) +
           BigEndian(height, 4) + static_cast<char>(depth) + static_cast<char>(colourType) +
           std::string(7, '\0');
}

std::string Bmp(std::uint32_t infoSize, std::uint32_t width, std::uint32_t height, int bits) {
    const int field = infoSize == 12 ? 2 : 4;
    return "BM" + std::string(12, '\0') + LittleEndian(infoSize, 4) + LittleEndian(width, field) +
           LittleEndian(height, field) + LittleEndian(1, 2) + LittleEndian(bits, 2) +
           std::string(24, '\0');
}

// Headers worked by hand from the formats' own layouts.
TEST(PictureHeader, SizeAndDepthFromEachFormatsHeader) {
    const struct {
        const char* name;
        std::string bytes;
        std::uint32_t width, height;
        int bits; // 0: no header read
    } cases[] = {
        {"png rgb", Png(20000, 20000, 8, 2), 20000, 20000, 24},
        {"png palette", Png(640, 480, 4, 3), 640, 480, 4},
        {"png 16-bit rgba", Png(3, 5, 16, 6), 3, 5, 32},
        {"png grey alpha", Png(7, 1, 8, 4), 7, 1, 16},
        {"png bad colour type", Png(640, 480, 8, 5), 0, 0, 0},
        {"png cut short", Png(640, 480, 8, 2).substr(0, 25), 0, 0, 0},
        {"bmp", Bmp(40, 4000, 3000, 24), 4000, 3000, 24},
        {"bmp top-down", Bmp(124, 300, 0u - 200u, 32), 300, 200, 32},
        {"bmp core header", Bmp(12, 65535, 2, 8), 65535, 2, 8},
        {"bmp negative width", Bmp(40, 0u - 5u, 5, 24), 0, 0, 0},
        {"bmp compressed inside", Bmp(40, 5, 5, 0), 0, 0, 0},
        {"gif", "GIF89a" + LittleEndian(65535, 2) + LittleEndian(65535, 2) + "\xF7", 0, 0, 0},
        {"jpeg", "\xFF\xD8\xFF\xC0" + std::string(26, '\0'), 0, 0, 0},
        {"tiff", std::string("II*\0\x08\0\0\0", 8), 0, 0, 0},
        {"empty", "", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto header = ReadPictureHeader(reinterpret_cast<const std::uint8_t*>(c.bytes.data()),
                                              c.bytes.size());
        ASSERT_EQ(header.has_value(), c.bits != 0) << c.name;
        if (header)
            EXPECT_EQ(std::to_string(header->width) + "x" + std::to_string(header->height) + "@" +
                          std::to_string(header->bitsPerPixel),
                      std::to_string(c.width) + "x" + std::to_string(c.height) + "@" +
                          std::to_string(c.bits))
                << c.name;
    }
}

// 2^30 bytes at most, rows padded to 4 bytes: 16384 x 16384 at 32 bits is exactly that.
TEST(PictureHeader, PicturesOverAGigabyteCannotBeHeld) {
    const struct {
        PictureHeader header;
        bool tooLarge;
    } cases[] = {
        {{16384, 16384, 32}, false}, {{16384, 16385, 32}, true},
        {{16000, 16000, 32}, false}, {{18000, 18000, 24}, false},
        {{20000, 20000, 24}, true},  {{32768, 32768, 8}, false},
        {{32769, 32768, 8}, true},   {{4294967295u, 4294967295u, 32}, true},
        {{32767, 1, 24}, false},     {{0, 4294967295u, 32}, false},
        {{1, 4294967295u, 1}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TooLargeToHold(c.header), c.tooLarge)
            << c.header.width << "x" << c.header.height << "@" << c.header.bitsPerPixel;
}

} // namespace
