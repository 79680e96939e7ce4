// Which picture files the imaging component decodes for the held bitmap: only
// those whose pixels it gives exactly as GDI+ does (the picture tests prove the
// pixels); the rest are left to GDI+.
#include "framework/wic_picture.h"
#include "picture_files.h"

#include <gtest/gtest.h>

namespace {

TEST(WicPicture, TakesPngAndBmpOnlyInLayoutsGdiplusKeepsAndWithoutGamma) {
    const Pixels four(4, 0xFF336699);
    const std::uint32_t notTaken = 0;
    const struct {
        const char* name;
        std::string bytes;
        std::uint32_t format;
    } cases[] = {
        {"wic_rgb.png", Png(2, 2, four, false, 8), 0x00021808},
        {"wic_alpha.png", Png(2, 2, four, true, 8), 0x0026200A},
        {"wic_rgb.bmp", Bmp24(2, 2, four), 0x00021808},
        {"wic_gamma.png", Png(2, 2, four, false, 8, 0, 100000), notTaken},
        {"wic_deep.png", Png(2, 2, four, false, 16), notTaken},
        {"wic_565.bmp", Bmp565(2, 2, four), notTaken},
        {"wic_indexed.gif", Gif8(2, 2, Pixels(256, 0xFF336699), {0, 0, 0, 0}), notTaken},
        {"wic_cut.png", Png(2, 2, four, false, 8).substr(0, 40), notTaken},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedPictureFile file(c.name, c.bytes);
        const std::wstring path(file.path().begin(), file.path().end());
        const WicPicture picture(path.c_str());
        EXPECT_EQ(picture.IsOpen(), c.format != notTaken);
        if (picture.IsOpen()) {
            EXPECT_EQ(picture.PixelFormat(), c.format);
            EXPECT_EQ(picture.Width(), 2u);
        }
    }
}

} // namespace
