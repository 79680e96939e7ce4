#include "button_harness.h"
#include "controls/cex_dib.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(CCeXDib, AllocateLaysOutHeaderPaletteAndPixelsInOneBlock) {
    struct Case {
        int width;
        int height;
        WORD depth;
        DWORD stride;
        WORD colours;
    };
    const Case cases[] = {{1, 1, 8, 4, 256},      {5, 3, 8, 8, 256},     {8, 2, 8, 8, 256},
                          {200, 40, 8, 200, 256}, {201, 1, 8, 204, 256}, {33, 2, 1, 8, 2},
                          {9, 1, 4, 8, 16},       {3, 3, 24, 12, 0},     {7, 1, 32, 28, 0},
                          {0, 5, 8, 0, 256},      {5, 0, 8, 8, 256}};
    for (const Case& c : cases) {
        CCeXDib dib;
        BYTE* block = dib.Allocate(c.width, c.height, c.depth);
        ASSERT_NE(block, nullptr) << c.width << "x" << c.height << "x" << c.depth;
        EXPECT_EQ(dib.Width(), c.width);
        EXPECT_EQ(dib.Height(), c.height);
        EXPECT_EQ(dib.BitDepth(), c.depth);
        EXPECT_EQ(dib.Stride(), c.stride) << c.width << "x" << c.depth;
        EXPECT_EQ(dib.ColorCount(), c.colours);
        EXPECT_EQ(dib.PaletteBytes(), c.colours * 4u);
        EXPECT_EQ(dib.TotalBytes(), 40 + c.colours * 4u + c.stride * c.height);
        EXPECT_EQ(dib.Pixels(), block + 40 + c.colours * 4);

        BITMAPINFOHEADER header;
        std::memcpy(&header, block, sizeof header);
        EXPECT_EQ(header.biSize, 40u);
        EXPECT_EQ(header.biWidth, c.width);
        EXPECT_EQ(header.biHeight, c.height); // positive: bottom line first
        EXPECT_EQ(header.biPlanes, 1);
        EXPECT_EQ(header.biBitCount, c.depth);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_EQ(header.biSizeImage, c.stride * c.height);
        EXPECT_EQ(header.biClrUsed, 0u);
        EXPECT_EQ(header.biClrImportant, 0u);
    }
}

TEST(CCeXDib, AbsurdSizesGiveNoBlockAndQueriesAnswerZero) {
    struct Case {
        int width;
        int height;
        WORD depth;
    };
    const Case cases[] = {{-1, 5, 8},        {5, -1, 8},        {0x7FFFFFFF, 0x7FFFFFFF, 8},
                          {70000, 70000, 8}, {20000, 20000, 8}, {0x7FFFFFFF, 1, 32},
                          {10, 10, 0},       {10, 10, 33},      {10, 10, 0xFFFF}};
    for (const Case& c : cases) {
        CCeXDib dib;
        ASSERT_NE(dib.Allocate(4, 4, 8), nullptr);
        EXPECT_EQ(dib.Allocate(c.width, c.height, c.depth), nullptr)
            << c.width << "x" << c.height << "x" << c.depth;
        EXPECT_FALSE(dib.HasBlock());
        EXPECT_EQ(dib.Pixels(), nullptr);
        EXPECT_EQ(dib.Palette(), nullptr);
        EXPECT_EQ(dib.Width(), 0);
        EXPECT_EQ(dib.Height(), 0);
        // Every operation is harmless without a block.
        dib.FillIndex(7);
        dib.PutPixel(0, 0, 7);
        dib.SetPaletteEntry(0, 1, 2, 3);
        dib.TintPalette(RGB(1, 2, 3), 50);
        ButtonCanvas canvas(4, 4);
        dib.BlitTo(canvas.dc(), 0, 0);
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(1, 2, 3));
    }
}

TEST(CCeXDib, ReleaseFreesTheBlockAndEveryQueryAnswersZero) {
    CCeXDib dib;
    ASSERT_NE(dib.Allocate(10, 3, 8), nullptr);
    dib.Release();
    EXPECT_FALSE(dib.HasBlock());
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(dib.BitDepth(), 0);
    EXPECT_EQ(dib.Height(), 0);
    EXPECT_EQ(dib.Stride(), 0u);
    EXPECT_EQ(dib.ColorCount(), 0);
    EXPECT_EQ(dib.TotalBytes(), 0u);
    EXPECT_EQ(dib.Pixels(), nullptr);
    // And it can be allocated again.
    EXPECT_NE(dib.Allocate(2, 2, 8), nullptr);
}

TEST(CCeXDib, PutPixelCountsLinesFromTheTopAndIgnoresPointsOutside) {
    CCeXDib dib;
    ASSERT_NE(dib.Allocate(5, 3, 8), nullptr);
    dib.FillIndex(9);
    const BYTE* p = dib.Pixels();
    for (DWORD i = 0; i < dib.Stride() * 3; ++i)
        ASSERT_EQ(p[i], 9) << "every byte, padding too";
    dib.PutPixel(0, 0, 1); // top line on screen: the last stored line
    dib.PutPixel(4, 2, 2); // bottom line: the first stored line
    dib.PutPixel(2, 1, 3);
    for (POINT outside : {POINT{-1, 0}, POINT{0, -1}, POINT{5, 0}, POINT{0, 3}, POINT{-9, 99}})
        dib.PutPixel(outside.x, outside.y, 200);
    const DWORD s = dib.Stride();
    EXPECT_EQ(p[2 * s + 0], 1);
    EXPECT_EQ(p[0 * s + 4], 2);
    EXPECT_EQ(p[1 * s + 2], 3);
    int changed = 0;
    for (DWORD i = 0; i < s * 3; ++i)
        changed += p[i] != 9;
    EXPECT_EQ(changed, 3);
}

TEST(CCeXDib, PutPixelWritesOnlyOneBytePerPixelImages) {
    // At depths 1 and 4 a column is not a byte: the top line's far columns
    // would lie past the end of the pixels.
    for (WORD depth : {WORD(1), WORD(4), WORD(24)}) {
        CCeXDib dib;
        ASSERT_NE(dib.Allocate(100, 2, depth), nullptr);
        dib.FillIndex(0);
        dib.PutPixel(99, 0, 0xFF);
        const BYTE* p = dib.Pixels();
        for (DWORD i = 0; i < dib.Stride() * 2; ++i)
            ASSERT_EQ(p[i], 0) << depth;
    }
}

TEST(CCeXDib, PaletteEntriesAndTint) {
    CCeXDib dib;
    ASSERT_NE(dib.Allocate(2, 2, 4), nullptr);
    for (int i = 0; i < 16; ++i)
        dib.SetPaletteEntry(static_cast<BYTE>(i), 100, 50, 0);
    dib.SetPaletteEntry(3, 10, 20, 30);
    dib.SetPaletteEntry(16, 1, 1, 1); // beyond the 16 entries: ignored
    const RGBQUAD* palette = dib.Palette();
    EXPECT_EQ(palette[3].rgbRed, 10);
    EXPECT_EQ(palette[3].rgbGreen, 20);
    EXPECT_EQ(palette[3].rgbBlue, 30);
    EXPECT_EQ(palette[3].rgbReserved, 0);
    // The byte after the palette is the first pixel byte, untouched.
    dib.FillIndex(0x5A);
    dib.SetPaletteEntry(16, 1, 1, 1);
    EXPECT_EQ(dib.Pixels()[0], 0x5A);

    dib.TintPalette(RGB(200, 0, 100), 50);
    EXPECT_EQ(palette[0].rgbRed, 150);
    EXPECT_EQ(palette[0].rgbGreen, 25);
    EXPECT_EQ(palette[0].rgbBlue, 50);
    // A negative percent, taken as unsigned, acts as 100.
    dib.TintPalette(RGB(7, 8, 9), static_cast<DWORD>(-5));
    EXPECT_EQ(palette[15].rgbRed, 7);
    EXPECT_EQ(palette[15].rgbGreen, 8);
    EXPECT_EQ(palette[15].rgbBlue, 9);
}

TEST(CCeXDib, CopyFromTakesHeaderPaletteAndPixels) {
    CCeXDib source;
    ASSERT_NE(source.Allocate(3, 2, 8), nullptr);
    source.FillIndex(4);
    source.PutPixel(1, 1, 77);
    source.SetPaletteEntry(77, 1, 2, 3);
    CCeXDib copy;
    copy.CopyFrom(source);
    ASSERT_TRUE(copy.HasBlock());
    EXPECT_EQ(copy.TotalBytes(), source.TotalBytes());
    EXPECT_EQ(
        std::memcmp(copy.Pixels() - 40 - 1024, source.Pixels() - 40 - 1024, source.TotalBytes()),
        0);
    EXPECT_NE(copy.Pixels(), source.Pixels());

    CCeXDib empty;
    copy.CopyFrom(empty);
    EXPECT_FALSE(copy.HasBlock());
}

// Colour of a palette entry as the screen shows it.
COLORREF EntryColour(const CCeXDib& dib, BYTE index) {
    const RGBQUAD& q = dib.Palette()[index];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

TEST(CCeXDib, BlitToDrawsOneToOneAndCopiesThePixelsAtEveryPaint) {
    CCeXDib dib;
    ASSERT_NE(dib.Allocate(6, 4, 8), nullptr);
    for (int i = 0; i < 256; ++i)
        dib.SetPaletteEntry(static_cast<BYTE>(i), static_cast<BYTE>(i), 255 - i, 7);
    dib.FillIndex(10);
    dib.PutPixel(0, 0, 20);
    dib.PutPixel(5, 3, 30);

    ButtonCanvas canvas(10, 10);
    const COLORREF background = canvas.Pixel(0, 0);
    dib.BlitTo(canvas.dc(), 2, 3);
    ::GdiFlush();
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 8 && y >= 3 && y < 7;
            COLORREF expected = background;
            if (inside) {
                const int ix = x - 2, iy = y - 3;
                const BYTE index = ix == 0 && iy == 0 ? 20 : ix == 5 && iy == 3 ? 30 : 10;
                expected = EntryColour(dib, index);
            }
            ASSERT_EQ(canvas.Pixel(x, y), expected) << x << "," << y;
        }
    }

    // The next paint shows the pixels as they are now.
    dib.FillIndex(40);
    dib.BlitTo(canvas.dc(), 0, 0);
    ::GdiFlush();
    EXPECT_EQ(canvas.Pixel(0, 0), EntryColour(dib, 40));
    EXPECT_EQ(canvas.Pixel(5, 3), EntryColour(dib, 40));
    // A palette changed after the first paint shows once the image is allocated again.
    dib.SetPaletteEntry(40, 250, 250, 250);
    dib.BlitTo(canvas.dc(), 0, 0);
    ::GdiFlush();
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(40, 215, 7));
}

} // namespace
