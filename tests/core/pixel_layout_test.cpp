#include "graphics/pixel_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct LayoutCase {
    const char* name;
    std::uint32_t source;
    std::uint32_t heldFormat;
    int bitsPerPixel;
    bool hasAlpha;
};

class HeldLayoutChoice : public testing::TestWithParam<LayoutCase> {};

TEST_P(HeldLayoutChoice, FollowsTheSourceFormatsFlags) {
    const LayoutCase& c = GetParam();
    const HeldLayout held = ChooseHeldLayout(c.source);
    EXPECT_EQ(held.pixelFormat, c.heldFormat);
    EXPECT_EQ(held.bitsPerPixel, c.bitsPerPixel);
    EXPECT_EQ(held.hasAlpha, c.hasAlpha);
}

// The decoder's format codes: indexed and plain layouts GDI shows directly keep
// their own depth; alpha wins over everything; the rest is converted to 32-bit RGB.
INSTANTIATE_TEST_SUITE_P(DecoderFormats, HeldLayoutChoice,
                         testing::Values(LayoutCase{"Indexed1", 0x00030101, 0x00030101, 1, false},
                                         LayoutCase{"Indexed4", 0x00030402, 0x00030402, 4, false},
                                         LayoutCase{"Indexed8", 0x00030803, 0x00030803, 8, false},
                                         LayoutCase{"Rgb555", 0x00021005, 0x00021005, 16, false},
                                         LayoutCase{"Rgb565", 0x00021006, 0x00021006, 16, false},
                                         LayoutCase{"Rgb24", 0x00021808, 0x00021808, 24, false},
                                         LayoutCase{"Rgb32", 0x00022009, 0x00022009, 32, false},
                                         LayoutCase{"Argb32", 0x0026200A, 0x0026200A, 32, true},
                                         LayoutCase{"Pargb32", 0x000E200B, 0x0026200A, 32, true},
                                         LayoutCase{"Argb1555", 0x00061007, 0x0026200A, 32, true},
                                         LayoutCase{"Gray16", 0x00101004, 0x00022009, 32, false},
                                         LayoutCase{"Rgb48", 0x0010300C, 0x00022009, 32, false},
                                         LayoutCase{"Argb64", 0x0034400D, 0x0026200A, 32, true},
                                         LayoutCase{"Unknown", 0x00000000, 0x00022009, 32, false},
                                         // Displayable by its flag but with a depth no bitmap has.
                                         LayoutCase{"OddDepth", 0x00020C00, 0x00022009, 32, false}),
                         [](const testing::TestParamInfo<LayoutCase>& info) {
                             return info.param.name;
                         });

TEST(RowSizes, PixelBytesRoundUpToBytesAndPitchToWords) {
    struct Case {
        std::uint32_t width;
        int bits;
        std::uint64_t pixelBytes;
        std::size_t pitch;
    };
    const Case cases[] = {{1, 1, 1, 4},   {8, 1, 1, 4},   {9, 1, 2, 4},       {33, 1, 5, 8},
                          {3, 4, 2, 4},   {9, 4, 5, 8},   {5, 8, 5, 8},       {3, 16, 6, 8},
                          {1, 24, 3, 4},  {3, 24, 9, 12}, {418, 8, 418, 420}, {640, 24, 1920, 1920},
                          {7, 32, 28, 28}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " px at " << c.bits << " bpp");
        EXPECT_EQ(RowPixelBytes(c.width, c.bits), c.pixelBytes);
        ASSERT_TRUE(DibRowPitch(c.width, c.bits));
        EXPECT_EQ(*DibRowPitch(c.width, c.bits), c.pitch);
    }
}

TEST(RowSizes, BitmapsTooLargeForThePlatformAreRefused) {
    EXPECT_FALSE(DibRowPitch(0xFFFFFFFFu, 32));
    EXPECT_FALSE(DibRowPitch(10, 0));
    EXPECT_TRUE(FitsHeldBitmap(640, 480, 24));
    EXPECT_FALSE(FitsHeldBitmap(0, 480, 24));
    EXPECT_FALSE(FitsHeldBitmap(640, 0, 24));
    EXPECT_FALSE(FitsHeldBitmap(640, 480, 12));
    // 2^31 bytes would be one too many.
    EXPECT_FALSE(FitsHeldBitmap(32768, 16384, 32));
    EXPECT_TRUE(FitsHeldBitmap(32768, 16383, 32));
    EXPECT_FALSE(FitsHeldBitmap(0x80000000u, 1, 1));
    EXPECT_FALSE(FitsHeldBitmap(1, 0x80000000u, 1));
}

// A source of `height` rows whose bytes name their row and column.
std::vector<std::uint8_t> NumberedRows(std::size_t stride, std::size_t height) {
    std::vector<std::uint8_t> rows(stride * height);
    for (std::size_t y = 0; y < height; ++y)
        for (std::size_t x = 0; x < stride; ++x)
            rows[y * stride + x] = static_cast<std::uint8_t>(y * 16 + x);
    return rows;
}

TEST(RowCopy, TopRowLandsInTheLastRowOfTheBitmapAndPaddingIsUntouched) {
    // 3 pixels at 24 bpp: 9 pixel bytes, source stride 12, bitmap pitch 12.
    const auto source = NumberedRows(12, 2);
    std::vector<std::uint8_t> bitmap(24, 0xEE);
    ASSERT_TRUE(CopyRowsIntoBottomUp(source.data(), 12, bitmap.data(), 12, 3, 2, 24));
    for (std::size_t x = 0; x < 9; ++x) {
        EXPECT_EQ(bitmap[12 + x], source[x]) << x; // top row last
        EXPECT_EQ(bitmap[x], source[12 + x]) << x; // bottom row first
    }
    for (std::size_t x = 9; x < 12; ++x) {
        EXPECT_EQ(bitmap[x], 0xEE);
        EXPECT_EQ(bitmap[12 + x], 0xEE);
    }
}

TEST(RowCopy, PartialBytesOfLowDepthsAndWiderSourceStrides) {
    // 9 pixels at 1 bpp need 2 bytes per row; the source has 8-byte rows.
    const auto source = NumberedRows(8, 3);
    std::vector<std::uint8_t> bitmap(12, 0);
    ASSERT_TRUE(CopyRowsIntoBottomUp(source.data(), 8, bitmap.data(), 4, 9, 3, 1));
    const std::vector<std::uint8_t> expected = {0x20, 0x21, 0,    0,    0x10, 0x11,
                                                0,    0,    0x00, 0x01, 0,    0};
    EXPECT_EQ(bitmap, expected);
}

TEST(RowCopy, NegativeSourceStrideWalksUpwards) {
    // A bottom-up source: its top row is the last in memory.
    const auto memory = NumberedRows(4, 2);
    std::vector<std::uint8_t> bitmap(8, 0);
    ASSERT_TRUE(CopyRowsIntoBottomUp(memory.data() + 4, -4, bitmap.data(), 4, 1, 2, 32));
    EXPECT_EQ(bitmap, memory); // both bottom-up: the same memory
}

TEST(RowCopy, RowsThatDoNotFitCopyNothing) {
    const auto source = NumberedRows(8, 2);
    std::vector<std::uint8_t> bitmap(16, 0xEE);
    const std::vector<std::uint8_t> untouched = bitmap;
    // 3 pixels at 32 bpp are 12 bytes: more than the 8-byte stride, or the pitch.
    EXPECT_FALSE(CopyRowsIntoBottomUp(source.data(), 8, bitmap.data(), 16, 3, 1, 32));
    EXPECT_FALSE(CopyRowsIntoBottomUp(source.data(), 16, bitmap.data(), 8, 3, 1, 32));
    EXPECT_FALSE(CopyRowsIntoBottomUp(source.data(), -8, bitmap.data(), 16, 3, 1, 32));
    EXPECT_FALSE(CopyRowsIntoBottomUp(nullptr, 8, bitmap.data(), 8, 2, 1, 32));
    EXPECT_EQ(bitmap, untouched);
}

TEST(ColourTable, DropsAlphaAndKeepsColoursInTheirPlaces) {
    const std::uint32_t palette[] = {0xFF102030, 0x00FFFFFF, 0x80A0B0C0};
    const auto table = ColourTableFromArgb(palette, 3, 8);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].red, 0x10);
    EXPECT_EQ(table[0].green, 0x20);
    EXPECT_EQ(table[0].blue, 0x30);
    EXPECT_EQ(table[1].red, 0xFF);
    EXPECT_EQ(table[2].blue, 0xC0);
    for (const ColourEntry& entry : table)
        EXPECT_EQ(entry.reserved, 0);
}

TEST(ColourTable, TakesNoMoreEntriesThanTheDepthIndexes) {
    const std::vector<std::uint32_t> palette(300, 0xFF123456);
    EXPECT_EQ(ColourTableFromArgb(palette.data(), palette.size(), 8).size(), 256u);
    EXPECT_EQ(ColourTableFromArgb(palette.data(), palette.size(), 4).size(), 16u);
    EXPECT_EQ(ColourTableFromArgb(palette.data(), palette.size(), 1).size(), 2u);
    EXPECT_EQ(ColourTableFromArgb(palette.data(), 5, 8).size(), 5u);
    EXPECT_TRUE(ColourTableFromArgb(palette.data(), palette.size(), 24).empty());
    EXPECT_TRUE(ColourTableFromArgb(nullptr, 10, 8).empty());
}

TEST(Bitfields, OnlyThe565LayoutNeedsMasks) {
    const auto masks = BitfieldMasks(kFormat16bppRgb565);
    ASSERT_TRUE(masks);
    EXPECT_EQ(masks->red, 0xF800u);
    EXPECT_EQ(masks->green, 0x07E0u);
    EXPECT_EQ(masks->blue, 0x001Fu);
    EXPECT_FALSE(BitfieldMasks(0x00021005));
    EXPECT_FALSE(BitfieldMasks(kFormat32bppRgb));
}

TEST(Premultiply, ScalesColourByAlphaRoundedAndLeavesPaddingAlone) {
    // Two pixels in a row of pitch 12 (4 padding bytes), two rows.
    std::vector<std::uint8_t> bitmap = {255,  128,  10,   0,    200,  100,  50,   128,
                                        0xEE, 0xEE, 0xEE, 0xEE, 255,  255,  255,  255,
                                        3,    2,    1,    1,    0xEE, 0xEE, 0xEE, 0xEE};
    PremultiplyAlpha(bitmap.data(), 12, 2, 2);
    const std::vector<std::uint8_t> expected = {0,    0,    0,    0,    100,  50,   25,   128,
                                                0xEE, 0xEE, 0xEE, 0xEE, 255,  255,  255,  255,
                                                0,    0,    0,    1,    0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(bitmap, expected);
}

} // namespace
