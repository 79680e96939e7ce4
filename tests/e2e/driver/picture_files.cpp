#include "picture_files.h"

#include <array>

namespace {

void PutLe16(std::string& out, uint32_t value) {
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

void PutLe32(std::string& out, uint32_t value) {
    PutLe16(out, value & 0xFFFF);
    PutLe16(out, value >> 16);
}

void PutBe32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char((value >> shift) & 0xFF);
}

uint32_t Crc32(const std::string& bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes)
        crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void PutPngChunk(std::string& out, const char* type, const std::string& data) {
    PutBe32(out, uint32_t(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    PutBe32(out, Crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks: simple and exact.
std::string StoredZlib(const std::string& raw) {
    std::string out("\x78\x01", 2);
    size_t offset = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - offset, 65535);
        const bool last = offset + length == raw.size();
        out += char(last ? 1 : 0);
        PutLe16(out, uint32_t(length));
        PutLe16(out, uint32_t(~length & 0xFFFF));
        out.append(raw, offset, length);
        offset += length;
    } while (offset < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBe32(out, (b << 16) | a);
    return out;
}

// Packs variable-width codes least significant bit first, as GIF wants.
class CodeWriter {
public:
    void Put(uint32_t code, int width) {
        m_buffer |= code << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes += char(m_buffer & 0xFF);
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    std::string Finish() {
        if (m_bits > 0)
            m_bytes += char(m_buffer & 0xFF);
        return m_bytes;
    }

private:
    uint32_t m_buffer = 0;
    int m_bits = 0;
    std::string m_bytes;
};

} // namespace

void Picture::Fill(int left, int top, int right, int bottom, Rgba colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            at(x, y) = colour;
}

std::string EncodeBmp24(const Picture& picture) {
    const uint32_t rowBytes = (uint32_t(picture.width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * uint32_t(picture.height);
    std::string out = "BM";
    PutLe32(out, 54 + imageBytes);
    PutLe32(out, 0);
    PutLe32(out, 54);
    PutLe32(out, 40);
    PutLe32(out, uint32_t(picture.width));
    PutLe32(out, uint32_t(picture.height)); // positive: rows stored bottom-up
    PutLe16(out, 1);
    PutLe16(out, 24);
    PutLe32(out, 0); // uncompressed
    PutLe32(out, imageBytes);
    PutLe32(out, 2835);
    PutLe32(out, 2835);
    PutLe32(out, 0);
    PutLe32(out, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.at(x, y);
            row += char(p.b);
            row += char(p.g);
            row += char(p.r);
        }
        row.resize(rowBytes, '\0');
        out += row;
    }
    return out;
}

std::string EncodeGif8(const IndexedPicture& picture) {
    std::string out = "GIF89a";
    PutLe16(out, uint32_t(picture.width));
    PutLe16(out, uint32_t(picture.height));
    out += char(0xF7); // global colour table of 256 entries, 8 bits per primary
    out += char(0);
    out += char(0);
    for (size_t i = 0; i < 256; ++i) {
        const Rgba c = i < picture.palette.size() ? picture.palette[i] : Rgba{};
        out += char(c.r);
        out += char(c.g);
        out += char(c.b);
    }
    if (picture.transparentIndex >= 0) {
        out += std::string("\x21\xF9\x04\x01\x00\x00", 6);
        out += char(picture.transparentIndex);
        out += char(0);
    }
    out += char(0x2C);
    PutLe32(out, 0);
    PutLe16(out, uint32_t(picture.width));
    PutLe16(out, uint32_t(picture.height));
    out += char(0);
    // Uncompressed LZW: 9-bit codes, one per pixel, and a clear code often
    // enough that the decoder's table never makes the codes wider.
    constexpr uint32_t kClear = 256, kEnd = 257;
    out += char(8);
    CodeWriter codes;
    codes.Put(kClear, 9);
    int sinceClear = 0;
    for (uint8_t index : picture.indexes) {
        if (sinceClear == 250) {
            codes.Put(kClear, 9);
            sinceClear = 0;
        }
        codes.Put(index, 9);
        ++sinceClear;
    }
    codes.Put(kEnd, 9);
    const std::string data = codes.Finish();
    for (size_t offset = 0; offset < data.size(); offset += 255) {
        const size_t length = std::min<size_t>(255, data.size() - offset);
        out += char(length);
        out.append(data, offset, length);
    }
    out += char(0);
    out += char(0x3B);
    return out;
}

std::string EncodePng32(const Picture& picture) {
    std::string out("\x89PNG\r\n\x1A\n", 8);
    std::string header;
    PutBe32(header, uint32_t(picture.width));
    PutBe32(header, uint32_t(picture.height));
    header += std::string("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA
    PutPngChunk(out, "IHDR", header);
    std::string raw;
    raw.reserve(size_t(picture.height) * (size_t(picture.width) * 4 + 1));
    for (int y = 0; y < picture.height; ++y) {
        raw += char(0); // no filter
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.at(x, y);
            raw += char(p.r);
            raw += char(p.g);
            raw += char(p.b);
            raw += char(p.a);
        }
    }
    PutPngChunk(out, "IDAT", StoredZlib(raw));
    PutPngChunk(out, "IEND", "");
    return out;
}
