// The held copy of pictures in layouts the file decoders of the test system do
// not hand out, made directly as decoder bitmaps.
#include "framework/image.h"
#include "test_surface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr INT kFormat16bppRgb565 = 0x00021006;
constexpr INT kFormat32bppPargb = 0x000E200B;
constexpr INT kFormat48bppRgb = 0x0010300C;

// A decoder bitmap over memory the test fills, top row first.
class DecoderBitmap {
public:
    DecoderBitmap(int width, int height, INT format, int stride, std::vector<BYTE> rows)
        : m_rows(std::move(rows)) {
        m_api = gdiplus::Runtime::Start();
        if (m_api)
            m_status = m_api->createBitmapFromScan0(width, height, stride, format, m_rows.data(),
                                                    &m_bitmap);
    }
    DecoderBitmap(const DecoderBitmap&) = delete;
    DecoderBitmap& operator=(const DecoderBitmap&) = delete;
    ~DecoderBitmap() {
        if (m_bitmap)
            m_api->disposeImage(m_bitmap);
    }
    gdiplus::GpBitmap* get() const { return m_status == gdiplus::kOk ? m_bitmap : nullptr; }

    // Stores another resolution, as a file made on another system would have.
    void SetResolution(float dotsPerInch) {
        using SetResolutionFn = gdiplus::Status(WINAPI*)(gdiplus::GpBitmap*, float, float);
        auto setResolution = reinterpret_cast<SetResolutionFn>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleA("gdiplus.dll"), "GdipBitmapSetResolution")));
        ASSERT_NE(setResolution, nullptr);
        ASSERT_EQ(setResolution(m_bitmap, dotsPerInch, dotsPerInch), gdiplus::kOk);
    }

private:
    const gdiplus::RuntimeUse m_use;
    std::vector<BYTE> m_rows;
    const gdiplus::Functions* m_api = nullptr;
    gdiplus::GpBitmap* m_bitmap = nullptr;
    gdiplus::Status m_status = -1;
};

TEST(CopyFrom, Rgb565KeepsItsDepthAndItsColourMasks) {
    // Grey, red, green, blue in 5-6-5; read as 5-5-5 they would be far off.
    const std::uint16_t words[] = {0x8410, 0xF800, 0x07E0, 0x001F};
    std::vector<BYTE> rows(sizeof words);
    std::memcpy(rows.data(), words, sizeof words);
    CImage image; // holds the decoder running while the bitmap lives
    DecoderBitmap source(2, 2, kFormat16bppRgb565, 4, rows);
    ASSERT_NE(source.get(), nullptr);
    ASSERT_EQ(image.CopyFrom(source.get()), S_OK);
    EXPECT_EQ(image.GetBPP(), 16);
    EXPECT_FALSE(image.HasAlpha());

    TestSurface surface(2, 2, RGB(1, 2, 3));
    ASSERT_TRUE(image.Draw(surface.dc(), 0, 0));
    const std::uint32_t expected[] = {0x808080, 0xFF0000, 0x00FF00, 0x0000FF};
    for (int i = 0; i < 4; ++i)
        EXPECT_LE(ChannelDistance(surface.Pixel(i % 2, i / 2), expected[i]), 8)
            << i << ": " << std::hex << surface.Pixel(i % 2, i / 2);
}

TEST(CopyFrom, PremultipliedSourcesAreConvertedUprightAndUnscaled) {
    // 4 x 2, 72 dots per inch: drawn by its resolution it would grow by a third.
    // Alpha only 0 or 255 here: premultiplied and straight colours are the same.
    const std::uint32_t pargb[] = {0xFF204060, 0xFFFF0000, 0xFF00FF00, 0xFF800000,
                                   0x00000000, 0xFFFFFFFF, 0xFF000080, 0xFF808080};
    std::vector<BYTE> rows(sizeof pargb);
    std::memcpy(rows.data(), pargb, sizeof pargb);
    CImage image;
    DecoderBitmap source(4, 2, kFormat32bppPargb, 16, rows);
    ASSERT_NE(source.get(), nullptr);
    source.SetResolution(72.0f);
    ASSERT_EQ(image.CopyFrom(source.get()), S_OK);
    EXPECT_EQ(image.GetWidth(), 4);
    EXPECT_EQ(image.GetHeight(), 2);
    EXPECT_EQ(image.GetBPP(), 32);
    EXPECT_TRUE(image.HasAlpha());

    TestSurface surface(5, 3, RGB(0, 0, 255));
    ASSERT_TRUE(image.Draw(surface.dc(), 0, 0));
    // Opaque pixels exactly; the transparent one shows the surface.
    const std::uint32_t expected[] = {0x204060, 0xFF0000, 0x00FF00, 0x800000,
                                      0x0000FF, 0xFFFFFF, 0x000080, 0x808080};
    for (int i = 0; i < 8; ++i)
        EXPECT_LE(ChannelDistance(surface.Pixel(i % 4, i / 4), expected[i]), 2)
            << i << ": " << std::hex << surface.Pixel(i % 4, i / 4);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(surface.Pixel(x, 2), 0x0000FFu) << x;
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(surface.Pixel(4, y), 0x0000FFu) << y;
}

TEST(CopyFrom, DeepColourIsConvertedTo32BitRgb) {
    // 16 bits per channel, blue first: 2 x 2.
    std::vector<BYTE> rows;
    const std::uint32_t colours[] = {0x102030, 0xC0B0A0, 0x00FF00, 0x7F7F7F};
    for (std::uint32_t c : colours)
        for (int shift : {0, 8, 16})
            for (int copy = 0; copy < 2; ++copy)
                rows.push_back(static_cast<BYTE>(c >> shift));
    CImage image;
    DecoderBitmap source(2, 2, kFormat48bppRgb, 12, rows);
    ASSERT_NE(source.get(), nullptr);
    ASSERT_EQ(image.CopyFrom(source.get()), S_OK);
    EXPECT_EQ(image.GetBPP(), 32);
    EXPECT_FALSE(image.HasAlpha());
    TestSurface surface(2, 2, RGB(0, 0, 255));
    ASSERT_TRUE(image.Draw(surface.dc(), 0, 0));
    for (int i = 0; i < 4; ++i)
        EXPECT_LE(ChannelDistance(surface.Pixel(i % 2, i / 2), colours[i]), 2) << i;
}

TEST(CopyFrom, NoBitmapHoldsNothing) {
    CImage image;
    EXPECT_TRUE(FAILED(image.CopyFrom(nullptr)));
    EXPECT_TRUE(image.IsNull());
    TestSurface surface(1, 1, RGB(9, 9, 9));
    EXPECT_FALSE(image.Draw(surface.dc(), 0, 0));
    EXPECT_EQ(surface.Pixel(0, 0), 0x090909u);
}

} // namespace
