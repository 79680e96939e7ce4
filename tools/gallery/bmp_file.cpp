#include "bmp_file.h"

#include <cstdio>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;

} // namespace

std::vector<std::uint8_t> EncodeBmp24(const std::uint32_t* pixels, int width, int height) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out;
    out.reserve(kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
    Put32(out, 0);
    Put32(out, kFileHeaderBytes + kInfoHeaderBytes);
    Put32(out, kInfoHeaderBytes);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height)); // positive: bottom row first
    Put16(out, 1);                                  // planes
    Put16(out, 24);                                 // bits per pixel
    Put32(out, 0);                                  // no compression
    Put32(out, imageBytes);
    Put32(out, 2835); // 72 dpi, in pixels per metre
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<std::uint8_t>(row[x]));       // blue
            out.push_back(static_cast<std::uint8_t>(row[x] >> 8));  // green
            out.push_back(static_cast<std::uint8_t>(row[x] >> 16)); // red
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

bool WriteBmp24(const std::string& path, const std::uint32_t* pixels, int width, int height) {
    const std::vector<std::uint8_t> bytes = EncodeBmp24(pixels, width, height);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
