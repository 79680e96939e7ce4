// A small palettised device-independent bitmap: header, palette and pixels in
// one packed block, shown through a surface that is kept between paints.
#pragma once

#include "framework/gdi.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class CCeXDib {
public:
    CCeXDib();
    CCeXDib(const CCeXDib&) = delete;
    CCeXDib& operator=(const CCeXDib&) = delete;
    virtual ~CCeXDib();

    // Releases what the object held, then allocates an uninitialised image.
    // Returns the block, or none when the size is absurd or memory runs out.
    BYTE* Allocate(int width, int height, WORD depth);
    // Frees block, surface and memory context; the header reads as zero.
    void Release();
    // A copy of other's header, palette and pixels (none when other has none).
    void CopyFrom(const CCeXDib& other);
    // Draws the image 1:1 with its top-left corner at (x, y).
    void BlitTo(HDC dc, int x, int y);
    void FillIndex(BYTE index);
    // y counted from the top; points outside the image are ignored.
    void PutPixel(int x, int y, BYTE index);
    void SetPaletteEntry(BYTE index, BYTE red, BYTE green, BYTE blue);
    // Moves every palette entry percent (unsigned, at most 100) toward colour.
    void TintPalette(COLORREF colour, DWORD percent);

    // The pixel bytes (Stride x Height, bottom line first), or none.
    BYTE* Pixels();
    const BYTE* Pixels() const;
    // The palette's entries (ColorCount of them), or none.
    const RGBQUAD* Palette() const;
    RGBQUAD* Palette();
    // Without a block every query answers 0 (the header is zeroed; stride and
    // colour count are kept for the next allocation but not reported).
    LONG Width() const { return m_header.biWidth; }
    LONG Height() const { return m_header.biHeight; }
    DWORD Stride() const { return HasBlock() ? m_stride : 0; }
    WORD BitDepth() const { return m_header.biBitCount; }
    WORD ColorCount() const { return HasBlock() ? m_colorCount : 0; }
    DWORD PaletteBytes() const { return static_cast<DWORD>(ColorCount()) * sizeof(RGBQUAD); }
    DWORD TotalBytes() const { return PaletteBytes() + m_header.biSizeImage + m_header.biSize; }
    bool HasBlock() const { return !m_block.empty(); }

    // The bytes of header, palette and pixels of such an image.
    static std::uint64_t BlockBytesFor(int width, int height, WORD depth);
    // Images larger than this are refused, whatever memory there is.
    static constexpr std::size_t kMaxBlockBytes = 256u * 1024u * 1024u;

private:
    std::vector<BYTE> m_block;
    BITMAPINFOHEADER m_header{};
    DWORD m_stride = 0;
    WORD m_colorCount = 0;
    UniqueBitmap m_surface;
    MemoryDC m_memoryContext;
    void* m_surfacePixels = nullptr;
};
