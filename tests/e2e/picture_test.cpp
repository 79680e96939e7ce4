// The background picture on the screen, pixel for pixel, the version text
// over it, and what happens when the picture cannot be loaded.
#include "driver/picture_files.h"
#include "driver/user_input.h"
#include "launcher_fixture.h"

#include <cstdio>
#include <cstdlib>

namespace {

uint32_t Packed(const Rgba& c) {
    return PackRgb(c.r, c.g, c.b);
}

// Counts the pixels of the shot that differ from the expected picture and
// names the first.
::testing::AssertionResult ShowsExactly(const ScreenImage& shot, const Picture& expected) {
    if (shot.width() != expected.width || shot.height() != expected.height)
        return ::testing::AssertionFailure()
               << "shot of " << shot.width() << "x" << shot.height() << ", picture of "
               << expected.width << "x" << expected.height;
    int wrong = 0;
    std::string first;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.at(x, y) != Packed(expected.at(x, y)) && wrong++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "first at (%d,%d): %06X instead of %06X", x, y,
                              shot.at(x, y), Packed(expected.at(x, y)));
                first = text;
            }
    if (wrong == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ, " << first;
}

// Four quadrants and a ramp along the top, so that an offset, a stretch or a
// colour swap shows.
Picture QuadrantPicture(int width, int height) {
    Picture picture(width, height, Rgba{200, 30, 40, 255});
    picture.Fill(width / 2, 0, width, height / 2, Rgba{20, 160, 60, 255});
    picture.Fill(0, height / 2, width / 2, height, Rgba{30, 60, 210, 255});
    picture.Fill(width / 2, height / 2, width, height, Rgba{240, 220, 30, 255});
    for (int x = 0; x < width; ++x)
        picture.Fill(x, 0, x + 1, 8, Rgba{uint8_t(x), uint8_t(255 - x), uint8_t(x * 7), 255});
    return picture;
}

class ShownPicture : public LauncherTest {
protected:
    // Starts the launcher on a picture with no buttons and no version text.
    ScreenImage ShowPicture(const std::string& name, const std::string& bytes) {
        WriteFile(name, bytes);
        WriteSetupIni(MainSection(name, "buttonCount=0"));
        Start();
        const WindowFacts form = WaitForForm();
        if (!form.hwnd)
            return {};
        return CaptureForm(form);
    }
};

TEST_F(ShownPicture, TwentyFourBitBmpIsCopiedPixelForPixel) {
    // An odd width: every row of the file is padded to whole 32-bit words.
    const Picture picture = QuadrantPicture(317, 241);
    EXPECT_TRUE(ShowsExactly(ShowPicture("face.bmp", EncodeBmp24(picture)), picture));
}

TEST_F(ShownPicture, EightBitGifKeepsItsPaletteAndIsPaintedOpaque) {
    IndexedPicture gif;
    gif.width = 256;
    gif.height = 96;
    for (int i = 0; i < 256; ++i)
        gif.palette.push_back(Rgba{uint8_t(i), uint8_t((i * 3) & 0xFF), uint8_t(255 - i), 255});
    gif.palette[7] = Rgba{250, 0, 250, 255};
    gif.transparentIndex = 7; // ignored: the picture is painted opaque
    Picture expected(gif.width, gif.height, Rgba{});
    for (int y = 0; y < gif.height; ++y)
        for (int x = 0; x < gif.width; ++x) {
            const uint8_t index = y < 32 ? uint8_t(x) : y < 64 ? uint8_t(255 - x) : 7;
            gif.indexes.push_back(index);
            expected.at(x, y) = gif.palette[index];
        }
    EXPECT_TRUE(ShowsExactly(ShowPicture("face.gif", EncodeGif8(gif)), expected));
}

TEST_F(ShownPicture, PngAlphaZeroIsSeeThroughTheRestLaidOverBlackAndRepaintsTheSame) {
    // Opaque quadrants above; below, a see-through band and a half-through one.
    Picture picture = QuadrantPicture(300, 200);
    const Rgba half{200, 100, 40, 128};
    picture.Fill(0, 140, 150, 200, Rgba{0, 0, 0, 0});
    picture.Fill(150, 140, 300, 200, half);
    const ScreenImage shot = ShowPicture("face.png", EncodePng32(picture));
    ASSERT_EQ(shot.width(), 300);
    ASSERT_EQ(shot.height(), 200);

    int wrongOpaque = 0, wrongClear = 0, wrongHalf = 0;
    const auto overBlack = [](int colour) { return (colour * 128 + 127) / 255; };
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) {
            const uint32_t p = shot.at(x, y);
            if (y < 140)
                wrongOpaque += p != Packed(picture.at(x, y));
            else if (x < 150)
                wrongClear += p != 0; // the empty screen behind the form
            else
                wrongHalf += std::abs(RedOf(p) - overBlack(half.r)) > 1 ||
                             std::abs(GreenOf(p) - overBlack(half.g)) > 1 ||
                             std::abs(BlueOf(p) - overBlack(half.b)) > 1;
        }
    EXPECT_EQ(wrongOpaque, 0);
    EXPECT_EQ(wrongClear, 0);
    EXPECT_EQ(wrongHalf, 0) << "half-transparent pixel shows " << std::hex << shot.at(200, 150);

    // Forced repaints, background erase included, leave the face as it was.
    const WindowFacts form = WaitForForm();
    for (int repaint = 0; repaint < 4; ++repaint)
        ::RedrawWindow(form.hwnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(CaptureForm(form) == shot);

    // The window's shape leaves out exactly the fully transparent pixels.
    const HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(form.hwnd, shape), COMPLEXREGION);
    for (const POINT& p : {POINT{0, 140}, POINT{149, 199}, POINT{75, 170}})
        EXPECT_FALSE(::PtInRegion(shape, p.x, p.y)) << p.x << "," << p.y;
    for (const POINT& p : {POINT{0, 0}, POINT{0, 139}, POINT{150, 140}, POINT{299, 199}})
        EXPECT_TRUE(::PtInRegion(shape, p.x, p.y)) << p.x << "," << p.y;
    ::DeleteObject(shape);
}

// ---------------------------------------------------------------------------
// The version text.

constexpr uint32_t kDark = 0x204060;

std::string VersionIni(int x, int y) {
    return MainSection("face.bmp", "buttonCount=0") +
           "versionNumber=Version 7.5\nversionX=" + std::to_string(x) +
           "\nversionY=" + std::to_string(y) + "\n";
}

TEST_F(LauncherTest, VersionTextIsWhiteAtItsPlace) {
    WriteFile("face.bmp", PlainBmp(400, 300, kDark));
    WriteSetupIni(VersionIni(60, 200));
    Start();
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    const ScreenImage shot = CaptureForm(form);
    ASSERT_EQ(shot.width(), 400);

    RECT text{400, 300, -1, -1};
    int white = 0, darker = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const uint32_t p = shot.at(x, y);
            if (p == kDark)
                continue;
            text = {std::min<LONG>(text.left, x), std::min<LONG>(text.top, y),
                    std::max<LONG>(text.right, x + 1), std::max<LONG>(text.bottom, y + 1)};
            white += p == 0xFFFFFF;
            // White text, smoothed or not, only ever lightens the picture.
            darker +=
                RedOf(p) < RedOf(kDark) || GreenOf(p) < GreenOf(kDark) || BlueOf(p) < BlueOf(kDark);
        }
    EXPECT_GT(white, 20) << "no white text drawn";
    EXPECT_EQ(darker, 0);
    EXPECT_GE(text.left, 60);
    EXPECT_LE(text.left, 64);
    EXPECT_GE(text.top, 200);
    EXPECT_LE(text.top, 206);
    EXPECT_LE(text.right, 400 - 40);
    EXPECT_LE(text.bottom, 200 + 20) << "an 11-point line";
    EXPECT_GT(text.right - text.left, 40) << "\"Version 7.5\" is wider";
}

struct VersionPlace {
    const char* name;
    int x, y;
};

void PrintTo(const VersionPlace& place, std::ostream* out) {
    *out << place.name;
}

class HiddenVersion : public LauncherTest, public ::testing::WithParamInterface<VersionPlace> {};

TEST_P(HiddenVersion, LeavesThePictureUntouched) {
    WriteFile("face.bmp", PlainBmp(400, 300, kDark));
    WriteSetupIni(VersionIni(GetParam().x, GetParam().y));
    Start();
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    EXPECT_TRUE(ShowsExactly(CaptureForm(form), Picture(400, 300, Rgba{0x20, 0x40, 0x60, 255})));
}

// From width - 40 on, the text's rectangle is empty; so it is below the picture.
INSTANTIATE_TEST_SUITE_P(Version, HiddenVersion,
                         ::testing::Values(VersionPlace{"x_width_less_39", 400 - 39, 100},
                                           VersionPlace{"x_width_less_40", 400 - 40, 100},
                                           VersionPlace{"x_far_right", 1000, 100},
                                           VersionPlace{"y_height", 60, 300}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Pictures that cannot be loaded.

struct FailureCase {
    const char* name;
    const char* imageFile; // the [main] imageFile value
    std::string bytes;     // written under that name, unless "absent"
    bool absent;
};

std::string Head(const std::string& bytes, size_t count) {
    return bytes.substr(0, count);
}

std::vector<FailureCase> FailureCases() {
    const Picture picture = QuadrantPicture(64, 48);
    IndexedPicture indexed;
    indexed.width = indexed.height = 16;
    indexed.palette = {Rgba{1, 2, 3, 255}, Rgba{4, 5, 6, 255}};
    indexed.indexes.assign(256, 1);
    const std::string png = EncodePng32(picture), gif = EncodeGif8(indexed),
                      bmp = EncodeBmp24(picture);
    // The first bytes of a JPEG file: start of image, the JFIF header and the
    // start of a quantisation table.
    static const char jpegBytes[] = "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01"
                                    "\x00\x01\x00\x00\xFF\xDB\x00\x43\x00\x08\x06\x06";
    const std::string jpegStart(jpegBytes, sizeof jpegBytes - 1);
    return {
        {"missing_file", "nothing.png", "", true},
        {"empty_image_file_value", "", "", true},
        {"empty_file", "empty.png", "", false},
        {"text_file", "notes.txt", "This is not a picture.\r\nNor is this line.\r\n", false},
        {"text_file_named_png", "face.png", "This is not a picture.\r\n", false},
        {"png_cut_in_its_header", "face.png", Head(png, 24), false},
        {"png_cut_in_its_pixels", "face.png", Head(png, png.size() / 2), false},
        {"gif_cut_in_its_header", "face.gif", Head(gif, 10), false},
        {"gif_cut_in_its_pixels", "face.gif", Head(gif, gif.size() / 2), false},
        {"jpeg_cut_in_its_header", "face.jpg", jpegStart, false},
        {"bmp_cut_in_its_header", "face.bmp", Head(bmp, 30), false},
        {"bmp_cut_in_its_pixels", "face.bmp", Head(bmp, bmp.size() / 2), false},
    };
}

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class UnloadablePicture : public LauncherTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(UnloadablePicture, ShowsTheFixedMessageAndEndsWithStatusZero) {
    const FailureCase& c = GetParam();
    if (!c.absent)
        WriteFile(c.imageFile, c.bytes);
    WriteSetupIni(MainSection(c.imageFile, "buttonCount=2"));
    LaunchedProgram& launcher = Start();

    const WindowFacts box = WaitForMessageBox();
    ASSERT_NE(box.hwnd, nullptr) << "no message box";
    EXPECT_EQ(box.title, "launcher");
    EXPECT_EQ(MessageBoxText(box.hwnd), kImageFailure);
    EXPECT_EQ(MessageBoxIconOf(box.hwnd), IDI_EXCLAMATION);
    for (const WindowFacts& window : TopLevelWindows(launcher.id()))
        EXPECT_FALSE(window.title == kFormTitle && (window.style & WS_VISIBLE))
            << "the form is shown";

    PressOk(box.hwnd);
    const std::optional<DWORD> status = launcher.WaitForExit(kWaitMs);
    ASSERT_TRUE(status.has_value()) << "the launcher is still running";
    EXPECT_EQ(*status, 0u);
}

INSTANTIATE_TEST_SUITE_P(Picture, UnloadablePicture, ::testing::ValuesIn(FailureCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LauncherTest, NoSetupIniEndsLikeAnUnloadablePicture) {
    LaunchedProgram& launcher = Start();
    const WindowFacts box = WaitForMessageBox();
    ASSERT_NE(box.hwnd, nullptr) << "no message box";
    EXPECT_EQ(MessageBoxText(box.hwnd), kImageFailure);
    PressOk(box.hwnd);
    const std::optional<DWORD> status = launcher.WaitForExit(kWaitMs);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0u);
}

} // namespace
