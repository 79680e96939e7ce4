#include "app/program_folder.h"
#include "forms/b_dialog.h"
#include "picture_files.h"
#include "res/resource.h"
#include "scripted_run.h"
#include "test_surface.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A base dialog on the form's template that lets a test look at its picture
// and send it messages while it runs (see scripted_run.h).
class PictureDialog : public ScriptedRun<PictureDialog, CBDialog> {
public:
    PictureDialog() : ScriptedRun(IDD_SUBFORM, nullptr) {}
    const CImage& picture() const { return m_picture; }
};

// Runs the dialog modally and erases its background into the surface.
LRESULT EraseInto(PictureDialog& dialog, const TestSurface& surface) {
    LRESULT result = -1;
    dialog.RunScript([&](PictureDialog& d) {
        result = d.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.dc()));
    });
    return result;
}

// Every pixel of the picture at its place, and the surface colour outside it.
void ExpectPicturePainted(const TestSurface& surface, int width, int height, const Pixels& pixels,
                          std::uint32_t outside, int tolerance = 0) {
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const std::uint32_t expected =
                x < width && y < height ? pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF
                                        : outside;
            EXPECT_LE(ChannelDistance(surface.Pixel(x, y), expected), tolerance)
                << "at (" << x << ", " << y << "): " << std::hex << surface.Pixel(x, y)
                << " instead of " << expected;
        }
}

constexpr std::uint32_t kSurfaceColour = 0x3050A0;

const Pixels kSixColours = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF123456, 0xFFFFFFFF, 0xFF000000};

TEST(LoadPicture, Bmp24IsHeldAtItsOwnDepthAndCopiedOpaque) {
    ScopedPictureFile file("picture_test.bmp", Bmp24(3, 2, kSixColours));
    PictureDialog dialog;
    ASSERT_EQ(dialog.LoadPicture(file.path()), 0);
    EXPECT_EQ(dialog.GetPictureWidth(), 3);
    EXPECT_EQ(dialog.GetPictureHeight(), 2);
    EXPECT_EQ(dialog.picture().GetBPP(), 24);
    EXPECT_EQ(dialog.picture().GetPitch(), 12);
    EXPECT_FALSE(dialog.picture().HasAlpha());

    // A surface larger than the picture: only the top-left corner is painted.
    TestSurface surface(6, 4, ToColorRef(kSurfaceColour));
    EXPECT_EQ(EraseInto(dialog, surface), TRUE);
    ExpectPicturePainted(surface, 3, 2, kSixColours, kSurfaceColour);
}

TEST(LoadPicture, Bmp565ShowsItsColours) {
    const Pixels colours = {0xFF808080, 0xFFF80000, 0xFF00FC00, 0xFF0000F8, 0xFF204080, 0xFF000000};
    ScopedPictureFile file("picture_test565.bmp", Bmp565(3, 2, colours));
    PictureDialog dialog;
    ASSERT_EQ(dialog.LoadPicture(file.path()), 0);
    TestSurface surface(3, 2, ToColorRef(kSurfaceColour));
    EXPECT_EQ(EraseInto(dialog, surface), TRUE);
    // 5 and 6 bits per channel: within the step of the coarser channels.
    ExpectPicturePainted(surface, 3, 2, colours, kSurfaceColour, 8);
}

TEST(LoadPicture, IndexedGifKeepsItsPaletteWithoutAlphaAndPaintsOpaque) {
    Pixels palette;
    for (std::uint32_t i = 0; i < 256; ++i)
        palette.push_back(0xFF000000 | (i << 16) | ((255 - i) << 8) | ((i * 7) & 0xFF));
    const std::vector<std::uint8_t> indices = {0, 1, 2, 3, 200, 2, 255, 0};
    // Index 2 is the file's transparent colour: the held picture ignores that.
    ScopedPictureFile file("picture_test.gif", Gif8(4, 2, palette, indices, 2));
    PictureDialog dialog;
    ASSERT_EQ(dialog.LoadPicture(file.path()), 0);
    EXPECT_EQ(dialog.picture().GetBPP(), 8);
    EXPECT_FALSE(dialog.picture().HasAlpha());

    RGBQUAD table[256] = {};
    {
        MemoryDC dc(nullptr);
        SelectScope select(dc.get(), dialog.picture().GetHandle());
        ASSERT_EQ(::GetDIBColorTable(dc.get(), 0, 256, table), 256u);
    }
    for (size_t i = 0; i < 256; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table[i].rgbRed, (palette[i] >> 16) & 0xFF);
        EXPECT_EQ(table[i].rgbGreen, (palette[i] >> 8) & 0xFF);
        EXPECT_EQ(table[i].rgbBlue, palette[i] & 0xFF);
        EXPECT_EQ(table[i].rgbReserved, 0);
    }

    TestSurface surface(5, 3, ToColorRef(kSurfaceColour));
    EXPECT_EQ(EraseInto(dialog, surface), TRUE);
    Pixels expected;
    for (std::uint8_t index : indices)
        expected.push_back(palette[index]);
    ExpectPicturePainted(surface, 4, 2, expected, kSurfaceColour);
}

TEST(LoadPicture, PngWithAlphaIsComposedOverBlackOnceAndCopiedOnEveryErase) {
    const Pixels pixels = {0xFF112233, 0x00FFFFFF, 0x80FF0000, 0x00000000};
    ScopedPictureFile file("picture_test_alpha.png", Png(2, 2, pixels, true, 8));
    PictureDialog dialog;
    ASSERT_EQ(dialog.LoadPicture(file.path()), 0);
    EXPECT_EQ(dialog.picture().GetBPP(), 32);
    EXPECT_FALSE(dialog.picture().HasAlpha());

    // Whatever the surface held, and however often it is erased, see-through
    // parts show black and half red shows as half red over black.
    TestSurface surface(3, 3, RGB(0, 0, 255));
    for (int erase = 0; erase < 3; ++erase) {
        EXPECT_EQ(EraseInto(dialog, surface), TRUE);
        EXPECT_EQ(surface.Pixel(0, 0), 0x112233u);
        EXPECT_EQ(surface.Pixel(1, 0), 0x000000u);
        EXPECT_EQ(surface.Pixel(1, 1), 0x000000u);
        EXPECT_LE(ChannelDistance(surface.Pixel(0, 1), 0x800000), 1)
            << std::hex << surface.Pixel(0, 1);
        EXPECT_EQ(surface.Pixel(2, 0), 0x0000FFu);
    }
}

TEST(LoadPicture, DeepColourFilesArePaintedPixelForPixelAtAnyResolution) {
    // 16 bits per channel and 72 dots per inch; whatever layout the decoder
    // gives them, the picture is neither scaled nor shifted.
    Pixels pixels;
    for (std::uint32_t i = 0; i < 12; ++i)
        pixels.push_back(0xFF000000 | (i * 20 << 16) | ((255 - i * 20) << 8) | (i * 3));
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {{"picture_test48.png", Png(4, 3, pixels, false, 16, 72)},
                 {"picture_test72.png", Png(4, 3, pixels, false, 8, 72)}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        ScopedPictureFile file(f.name, f.bytes);
        PictureDialog dialog;
        ASSERT_EQ(dialog.LoadPicture(file.path()), 0);
        EXPECT_EQ(dialog.GetPictureWidth(), 4);
        EXPECT_EQ(dialog.GetPictureHeight(), 3);
        TestSurface surface(5, 4, ToColorRef(kSurfaceColour));
        EXPECT_EQ(EraseInto(dialog, surface), TRUE);
        ExpectPicturePainted(surface, 4, 3, pixels, kSurfaceColour, 1);
    }
}

TEST(LoadPicture, UnreadableFilesFailWithoutAPicture) {
    const std::string png = Png(4, 4, Pixels(16, 0xFF00FF00), true, 8);
    const std::string bmp = Bmp24(4, 4, Pixels(16, 0xFF00FF00));
    struct Case {
        const char* name;
        const char* file;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty file", "picture_test_empty.png", ""},
        {"text file", "picture_test_text.txt", "[main]\nimageFile=none\n"},
        {"text named as a picture", "picture_test_text.bmp", "This is not a picture.\r\n"},
        {"truncated PNG", "picture_test_cut.png", png.substr(0, png.size() / 2)},
        {"PNG header only", "picture_test_head.png", png.substr(0, 8)},
        {"truncated BMP header", "picture_test_cut.bmp", bmp.substr(0, 20)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedPictureFile file(c.file, c.bytes);
        PictureDialog dialog;
        EXPECT_NE(dialog.LoadPicture(file.path()), 0);
        EXPECT_EQ(dialog.GetPictureWidth(), 0);
        EXPECT_EQ(dialog.GetPictureHeight(), 0);
        EXPECT_TRUE(dialog.picture().IsNull());
    }
    PictureDialog dialog;
    EXPECT_NE(dialog.LoadPicture(GetProgramFolder() + "no such picture.png"), 0);
    EXPECT_NE(dialog.LoadPicture(GetProgramFolder()), 0); // a folder
    EXPECT_NE(dialog.LoadPicture(""), 0);
    EXPECT_NE(dialog.LoadPicture(GetProgramFolder() + std::string(400, 'p') + ".png"), 0);
}

TEST(LoadPicture, DamagedFilesNeverCrashAndLoadWholeOrNotAtAll) {
    Pixels palette(256, 0xFF808080);
    const std::vector<std::uint8_t> indices(12 * 5, 7);
    const struct {
        const char* name;
        std::string bytes;
    } originals[] = {{"picture_test_damaged.bmp", Bmp24(12, 5, Pixels(60, 0xFF336699))},
                     {"picture_test_damaged.gif", Gif8(12, 5, palette, indices, 3)},
                     {"picture_test_damaged.png", Png(12, 5, Pixels(60, 0x80336699), true, 8)}};
    for (const auto& original : originals) {
        const std::string& bytes = original.bytes;
        for (size_t step = 0; step < 24; ++step) {
            // Cut at spread-out lengths, and with one byte spoilt on the way.
            std::string damaged = bytes.substr(0, bytes.size() * step / 24);
            std::string spoilt = bytes;
            spoilt[(step * 7919) % spoilt.size()] ^= 0x5A;
            for (const std::string* variant : {&damaged, &spoilt}) {
                SCOPED_TRACE(testing::Message() << original.name << " step " << step);
                ScopedPictureFile file(original.name, *variant);
                PictureDialog dialog;
                if (dialog.LoadPicture(file.path()) == 0) {
                    EXPECT_GT(dialog.GetPictureWidth(), 0);
                    EXPECT_GT(dialog.GetPictureHeight(), 0);
                    TestSurface surface(16, 8, ToColorRef(kSurfaceColour));
                    EXPECT_EQ(EraseInto(dialog, surface), TRUE);
                } else {
                    EXPECT_TRUE(dialog.picture().IsNull());
                }
            }
        }
    }
}

TEST(LoadPicture, PicturesTooLargeToHoldFail) {
    // A header that claims 60000 x 60000 pixels, with no pixels behind it.
    std::string bmp = Bmp24(1, 1, Pixels(1, 0xFF000000));
    const char huge[4] = {'\x60', '\xEA', 0, 0};
    bmp.replace(18, 4, huge, 4);
    bmp.replace(22, 4, huge, 4);
    ScopedPictureFile file("picture_test_huge.bmp", bmp);
    PictureDialog dialog;
    EXPECT_NE(dialog.LoadPicture(file.path()), 0);
    EXPECT_EQ(dialog.GetPictureWidth(), 0);
}

TEST(EraseBackground, WithoutAPictureNothingIsPaintedAndTheBackgroundCountsAsErased) {
    PictureDialog dialog;
    TestSurface surface(8, 8, ToColorRef(kSurfaceColour));
    EXPECT_EQ(EraseInto(dialog, surface), TRUE);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(surface.Pixel(x, y), kSurfaceColour) << x << ", " << y;
}

TEST(LoadPicture, PicturesLoadAgainAfterEveryHolderIsGone) {
    // The decoder is shut down with the last holder and started again by the next load.
    ScopedPictureFile file("picture_test_again.bmp", Bmp24(3, 2, kSixColours));
    for (int round = 0; round < 3; ++round) {
        PictureDialog dialog;
        ASSERT_EQ(dialog.LoadPicture(file.path()), 0) << round;
        EXPECT_EQ(dialog.GetPictureWidth(), 3);
    }
    PictureDialog first;
    PictureDialog second;
    ASSERT_EQ(first.LoadPicture(file.path()), 0);
    ASSERT_EQ(second.LoadPicture(file.path()), 0);
}

} // namespace
