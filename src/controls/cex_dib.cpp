#include "controls/cex_dib.h"

#include "controls/shade_palette.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace {

WORD ColorCountFor(WORD depth) {
    switch (depth) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

} // namespace

CCeXDib::CCeXDib() {
    Release();
}

CCeXDib::~CCeXDib() {
    Release();
}

std::uint64_t CCeXDib::BlockBytesFor(int width, int height, WORD depth) {
    // Sizes in 64 bits: no width or height can wrap them.
    const std::uint64_t stride = ((std::uint64_t(width) * depth + 31) / 32) * 4;
    return sizeof(BITMAPINFOHEADER) + std::uint64_t(ColorCountFor(depth)) * sizeof(RGBQUAD) +
           stride * std::uint64_t(height);
}

BYTE* CCeXDib::Allocate(int width, int height, WORD depth) {
    Release();
    if (width < 0 || height < 0 || depth == 0 || depth > 32)
        return nullptr;
    const std::uint64_t stride = ((std::uint64_t(width) * depth + 31) / 32) * 4;
    const std::uint64_t imageBytes = stride * std::uint64_t(height);
    const WORD colorCount = ColorCountFor(depth);
    const std::uint64_t total = BlockBytesFor(width, height, depth);
    if (total > kMaxBlockBytes)
        return nullptr;

    try {
        m_block.resize(static_cast<std::size_t>(total));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    m_stride = static_cast<DWORD>(stride);
    m_colorCount = colorCount;
    m_header.biSize = sizeof(BITMAPINFOHEADER);
    m_header.biWidth = width;
    m_header.biHeight = height;
    m_header.biPlanes = 1;
    m_header.biBitCount = depth;
    m_header.biCompression = BI_RGB;
    m_header.biSizeImage = static_cast<DWORD>(imageBytes);
    std::memcpy(m_block.data(), &m_header, sizeof m_header);
    return m_block.data();
}

void CCeXDib::Release() {
    m_memoryContext.reset();
    m_surface.reset();
    m_surfacePixels = nullptr;
    // Give the memory back, not just the size.
    std::vector<BYTE>().swap(m_block);
    m_header = BITMAPINFOHEADER{};
}

void CCeXDib::CopyFrom(const CCeXDib& other) {
    if (&other == this)
        return;
    if (Allocate(other.Width(), other.Height(), other.BitDepth()) && other.HasBlock())
        std::memcpy(m_block.data(), other.m_block.data(), TotalBytes());
}

void CCeXDib::BlitTo(HDC dc, int x, int y) {
    if (!HasBlock())
        return;
    if (!m_surface) {
        void* bits = nullptr;
        m_surface.reset(::CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(m_block.data()),
                                           DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!m_surface)
            return;
        if (!bits) {
            m_surface.reset();
            return;
        }
        m_surfacePixels = bits;
    }
    std::memcpy(m_surfacePixels, Pixels(), m_header.biSizeImage);
    if (!m_memoryContext) {
        m_memoryContext.reset(::CreateCompatibleDC(dc));
        if (!m_memoryContext)
            return;
    }
    SelectScope select(m_memoryContext.get(), m_surface.get());
    ::BitBlt(dc, x, y, Width(), Height(), m_memoryContext.get(), 0, 0, SRCCOPY);
}

void CCeXDib::FillIndex(BYTE index) {
    if (HasBlock())
        std::memset(Pixels(), index, m_header.biSizeImage);
}

void CCeXDib::PutPixel(int x, int y, BYTE index) {
    // One byte per pixel only: at smaller depths a column is not a byte offset.
    if (!HasBlock() || m_colorCount == 0 || m_header.biBitCount != 8)
        return;
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    Pixels()[std::size_t(Height() - 1 - y) * m_stride + std::size_t(x)] = index;
}

void CCeXDib::SetPaletteEntry(BYTE index, BYTE red, BYTE green, BYTE blue) {
    if (!HasBlock() || index >= m_colorCount)
        return;
    Palette()[index] = RGBQUAD{blue, green, red, 0};
}

void CCeXDib::TintPalette(COLORREF colour, DWORD percent) {
    if (!HasBlock() || m_colorCount == 0)
        return;
    TintPaletteEntries(m_block.data() + m_header.biSize, m_colorCount, colour, percent);
}

const BYTE* CCeXDib::Pixels() const {
    if (!HasBlock())
        return nullptr;
    return m_block.data() + m_header.biSize + PaletteBytes();
}

BYTE* CCeXDib::Pixels() {
    return const_cast<BYTE*>(static_cast<const CCeXDib*>(this)->Pixels());
}

const RGBQUAD* CCeXDib::Palette() const {
    if (!HasBlock() || m_colorCount == 0)
        return nullptr;
    return reinterpret_cast<const RGBQUAD*>(m_block.data() + m_header.biSize);
}

RGBQUAD* CCeXDib::Palette() {
    return const_cast<RGBQUAD*>(static_cast<const CCeXDib*>(this)->Palette());
}
