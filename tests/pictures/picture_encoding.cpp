#include "pictures/picture_encoding.h"

namespace {

// BMP compression codes: plain rows, and rows described by colour masks.
constexpr std::uint32_t kBmpRgb = 0;
constexpr std::uint32_t kBmpBitFields = 3;

void Put16(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void Put32BigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

std::uint8_t Red(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb >> 16);
}
std::uint8_t Green(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb >> 8);
}
std::uint8_t Blue(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb);
}
std::uint8_t Alpha(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb >> 24);
}

// File header, then a 40-byte information header.
std::string BmpHeaders(int width, int height, int bits, std::uint32_t compression,
                       std::uint32_t extraBytes, std::uint32_t imageBytes) {
    std::string out = "BM";
    const std::uint32_t offset = 14 + 40 + extraBytes;
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, compression);
    Put32(out, imageBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    return out;
}

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void PngChunk(std::string& out, const char* type, const std::string& data) {
    Put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type) + data;
    out += typed;
    Put32BigEndian(out, Crc32(typed));
}

// A zlib stream of stored (uncompressed) blocks.
std::string StoredZlib(const std::string& data) {
    std::string out = "\x78\x01";
    size_t at = 0;
    do {
        const size_t length = data.size() - at < 65535 ? data.size() - at : 65535;
        const bool last = at + length == data.size();
        out += static_cast<char>(last ? 1 : 0);
        Put16(out, static_cast<unsigned>(length));
        Put16(out, static_cast<unsigned>(~length & 0xFFFF));
        out.append(data, at, length);
        at += length;
    } while (at < data.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (unsigned char byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    Put32BigEndian(out, (b << 16) | a);
    return out;
}

// Writes codes of a fixed width, least significant bit first.
class BitWriter {
public:
    void Write(unsigned code, int width) {
        m_buffer |= static_cast<std::uint32_t>(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes += static_cast<char>(m_buffer & 0xFF);
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    std::string Finish() {
        if (m_bits > 0)
            m_bytes += static_cast<char>(m_buffer & 0xFF);
        return m_bytes;
    }

private:
    std::uint32_t m_buffer = 0;
    int m_bits = 0;
    std::string m_bytes;
};

} // namespace

std::string Bmp24(int width, int height, const Pixels& pixels) {
    const int pitch = (width * 3 + 3) / 4 * 4;
    std::string out =
        BmpHeaders(width, height, 24, kBmpRgb, 0, static_cast<std::uint32_t>(pitch * height));
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<size_t>(y * width + x)];
            row += static_cast<char>(Blue(p));
            row += static_cast<char>(Green(p));
            row += static_cast<char>(Red(p));
        }
        row.resize(static_cast<size_t>(pitch), '\0');
        out += row;
    }
    return out;
}

std::string Bmp565(int width, int height, const Pixels& pixels) {
    const int pitch = (width * 2 + 3) / 4 * 4;
    std::string out = BmpHeaders(width, height, 16, kBmpBitFields, 12,
                                 static_cast<std::uint32_t>(pitch * height));
    Put32(out, 0xF800);
    Put32(out, 0x07E0);
    Put32(out, 0x001F);
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<size_t>(y * width + x)];
            Put16(row, ((Red(p) >> 3) << 11) | ((Green(p) >> 2) << 5) | (Blue(p) >> 3));
        }
        row.resize(static_cast<size_t>(pitch), '\0');
        out += row;
    }
    return out;
}

std::string Gif8(int width, int height, const Pixels& palette,
                 const std::vector<std::uint8_t>& indices, int transparentIndex) {
    std::string out = "GIF89a";
    Put16(out, static_cast<unsigned>(width));
    Put16(out, static_cast<unsigned>(height));
    out += '\xF7'; // global colour table of 256 entries, 8 bits of colour
    out += '\0';
    out += '\0';
    for (size_t i = 0; i < 256; ++i) {
        const std::uint32_t p = i < palette.size() ? palette[i] : 0;
        out += static_cast<char>(Red(p));
        out += static_cast<char>(Green(p));
        out += static_cast<char>(Blue(p));
    }
    if (transparentIndex >= 0) {
        out += "\x21\xF9\x04\x01";
        Put16(out, 0);
        out += static_cast<char>(transparentIndex);
        out += '\0';
    }
    out += '\x2C';
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<unsigned>(width));
    Put16(out, static_cast<unsigned>(height));
    out += '\0';
    // Every pixel as its own 9-bit code; a clear code before the table would
    // need 10-bit codes keeps the width fixed.
    constexpr unsigned kClear = 256;
    constexpr unsigned kEnd = 257;
    BitWriter codes;
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % 250 == 0)
            codes.Write(kClear, 9);
        codes.Write(indices[i], 9);
    }
    codes.Write(kEnd, 9);
    const std::string data = codes.Finish();
    out += '\x08';
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t length = data.size() - at < 255 ? data.size() - at : 255;
        out += static_cast<char>(length);
        out.append(data, at, length);
    }
    out += '\0';
    out += '\x3B';
    return out;
}

std::string Png(int width, int height, const Pixels& pixels, bool withAlpha, int bitsPerChannel,
                int dotsPerInch, std::uint32_t gamma) {
    std::string out = "\x89PNG\r\n\x1A\n";
    std::string header;
    Put32BigEndian(header, static_cast<std::uint32_t>(width));
    Put32BigEndian(header, static_cast<std::uint32_t>(height));
    header += static_cast<char>(bitsPerChannel);
    header += static_cast<char>(withAlpha ? 6 : 2);
    header += std::string(3, '\0');
    PngChunk(out, "IHDR", header);
    if (gamma > 0) {
        std::string fileGamma;
        Put32BigEndian(fileGamma, gamma);
        PngChunk(out, "gAMA", fileGamma);
    }
    if (dotsPerInch > 0) {
        std::string physical;
        const auto perMetre = static_cast<std::uint32_t>(dotsPerInch * 10000 / 254);
        Put32BigEndian(physical, perMetre);
        Put32BigEndian(physical, perMetre);
        physical += '\x01';
        PngChunk(out, "pHYs", physical);
    }
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0'; // no filter
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<size_t>(y * width + x)];
            std::uint8_t channels[4] = {Red(p), Green(p), Blue(p), Alpha(p)};
            for (int c = 0; c < (withAlpha ? 4 : 3); ++c) {
                raw += static_cast<char>(channels[c]);
                if (bitsPerChannel == 16)
                    raw += static_cast<char>(channels[c]);
            }
        }
    }
    PngChunk(out, "IDAT", StoredZlib(raw));
    PngChunk(out, "IEND", "");
    return out;
}
