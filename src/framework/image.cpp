#include "framework/image.h"

#include "framework/alpha_blend.h"
#include "framework/gdiplus_runtime.h"
#include "framework/wic_picture.h"
#include "graphics/display_scale.h"
#include "graphics/picture_header.h"
#include "graphics/pixel_layout.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace {

using gdiplus::kOk;

// A bitmap header followed by room for 256 colours or three colour masks.
struct BitmapInfo256 {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

// The path in wide characters with its terminator; empty when it cannot be converted.
std::vector<wchar_t> WidePath(const std::string& path) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 1)
        return {};
    std::vector<wchar_t> wide(static_cast<size_t>(length), L'\0');
    if (::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length) != length)
        return {};
    return wide;
}

// Whether the file's header tells of a picture too large to hold; false when
// it tells nothing (another format, a damaged header, not a file on a disc).
bool HeaderTooLargeToHold(const wchar_t* path) {
    const UniqueHandle file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // A device or a pipe could keep a read waiting: the decoders judge those.
    if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK)
        return false;
    std::uint8_t start[kPictureHeaderBytes];
    DWORD read = 0;
    if (!::ReadFile(file.get(), start, sizeof start, &read, nullptr))
        return false;
    const std::optional<PictureHeader> header = ReadPictureHeader(start, read);
    return header && TooLargeToHold(*header);
}

// A bottom-up bitmap of the chosen depth; its colour table starts all zero.
HBITMAP CreateHeldBitmap(UINT width, UINT height, const HeldLayout& layout, void** bits) {
    BitmapInfo256 info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = static_cast<LONG>(width);
    info.header.biHeight = static_cast<LONG>(height); // positive: bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(layout.bitsPerPixel);
    info.header.biCompression = BI_RGB;
    if (const auto masks = BitfieldMasks(layout.pixelFormat)) {
        info.header.biCompression = BI_BITFIELDS;
        const DWORD fields[3] = {masks->red, masks->green, masks->blue};
        std::memcpy(info.colours, fields, sizeof fields);
    }
    return ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, bits,
                              nullptr, 0);
}

HRESULT CopyPalette(const gdiplus::Functions& api, gdiplus::GpImage* image, HBITMAP bitmap,
                    int bitsPerPixel) {
    INT size = 0;
    if (api.getImagePaletteSize(image, &size) != kOk ||
        size < static_cast<INT>(offsetof(gdiplus::ColorPalette, entries)))
        return E_FAIL;
    std::vector<UINT> memory;
    try {
        memory.resize((static_cast<size_t>(size) + sizeof(UINT) - 1) / sizeof(UINT));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    auto* palette = reinterpret_cast<gdiplus::ColorPalette*>(memory.data());
    if (api.getImagePalette(image, palette, size) != kOk)
        return E_FAIL;
    // Never trust the count beyond the memory the palette came in.
    const size_t room =
        (static_cast<size_t>(size) - offsetof(gdiplus::ColorPalette, entries)) / sizeof(UINT);
    const size_t count = palette->count < room ? palette->count : room;
    const std::vector<ColourEntry> table = ColourTableFromArgb(
        reinterpret_cast<const std::uint32_t*>(palette->entries), count, bitsPerPixel);
    static_assert(sizeof(ColourEntry) == sizeof(RGBQUAD), "colour entries are RGBQUADs");
    MemoryDC dc(nullptr);
    SelectScope select(dc.get(), bitmap);
    if (!table.empty() && ::SetDIBColorTable(dc.get(), 0, static_cast<UINT>(table.size()),
                                             reinterpret_cast<const RGBQUAD*>(table.data())) == 0)
        return E_FAIL;
    return S_OK;
}

// The source's own layout: the decoder writes its rows straight into the held
// bitmap, bottom row last through a negative stride, so that no second copy of
// the picture need live beside it. A decoder that takes no buffer of ours
// lends its own rows, which are copied.
HRESULT CopyRows(const gdiplus::Functions& api, gdiplus::GpImage* image, UINT width, UINT height,
                 const HeldLayout& layout, BYTE* bits, size_t pitch) {
    const gdiplus::Rect whole{0, 0, static_cast<INT>(width), static_cast<INT>(height)};
    const INT format = static_cast<INT>(layout.pixelFormat);
    gdiplus::BitmapData data{
        width, height, -static_cast<INT>(pitch), format, bits + (height - 1) * pitch, 0};
    if (api.bitmapLockBits(image, &whole,
                           gdiplus::kImageLockModeRead | gdiplus::kImageLockModeUserInputBuf,
                           format, &data) == kOk) {
        api.bitmapUnlockBits(image, &data);
        return S_OK;
    }
    data = gdiplus::BitmapData{};
    if (api.bitmapLockBits(image, &whole, gdiplus::kImageLockModeRead, format, &data) != kOk)
        return E_FAIL;
    const bool copied = data.width == width && data.height == height &&
                        CopyRowsIntoBottomUp(static_cast<const BYTE*>(data.scan0), data.stride,
                                             bits, pitch, width, height, layout.bitsPerPixel);
    api.bitmapUnlockBits(image, &data);
    return copied ? S_OK : E_FAIL;
}

// Another layout: let the decoder draw the picture into the held bitmap's memory.
HRESULT ConvertInto(const gdiplus::Functions& api, gdiplus::GpImage* image, UINT width, UINT height,
                    const HeldLayout& layout, BYTE* bits, size_t pitch) {
    // The wrapper sees the bottom-up memory top row first, through a negative stride.
    gdiplus::GpBitmap* target = nullptr;
    if (api.createBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height),
                                  -static_cast<INT>(pitch), static_cast<INT>(layout.pixelFormat),
                                  bits + (height - 1) * pitch, &target) != kOk)
        return E_FAIL;
    gdiplus::ImageOwner targetOwner(api, target);
    gdiplus::GpGraphics* graphics = nullptr;
    if (api.getImageGraphicsContext(target, &graphics) != kOk)
        return E_FAIL;
    gdiplus::GraphicsOwner graphicsOwner(api, graphics);
    // Copy, not blend, so alpha arrives as the file has it; and an explicit size,
    // so a picture stored with another resolution is not scaled.
    api.setCompositingMode(graphics, gdiplus::kCompositingModeSourceCopy);
    if (api.drawImageRectI(graphics, image, 0, 0, static_cast<INT>(width),
                           static_cast<INT>(height)) != kOk)
        return E_FAIL;
    return S_OK;
}

// The region of the pixels of a 32-bit bitmap with alpha that show; none
// when every pixel shows.
UniqueRegion RegionOfRuns(const BYTE* bits, size_t pitch, std::uint32_t width,
                          std::uint32_t height) {
    // One walk counts the runs, the next writes them where rects points.
    RECT* rects = nullptr;
    const auto add = [&rects](std::uint32_t row, std::uint32_t left, std::uint32_t right) {
        if (rects)
            *rects++ = RECT{static_cast<LONG>(left), static_cast<LONG>(row),
                            static_cast<LONG>(right), static_cast<LONG>(row + 1)};
    };
    const size_t count = ForEachVisibleRun(bits, pitch, width, height, add);
    if (count == 0)
        return UniqueRegion();
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(count);
    header->rcBound = RECT{0, 0, static_cast<LONG>(width), static_cast<LONG>(height)};
    rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    ForEachVisibleRun(bits, pitch, width, height, add);
    return UniqueRegion(::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                          reinterpret_cast<const RGNDATA*>(data.data())));
}

} // namespace

CImage::CImage() = default;

CImage::~CImage() {
    Destroy();
}

void CImage::Destroy() {
    m_bitmap.reset();
    m_width = m_height = m_bitsPerPixel = m_pitch = 0;
    m_hasAlpha = false;
    m_dpi = kBaseDpi;
    m_visibleRegion.reset();
}

void CImage::Swap(CImage& other) noexcept {
    swap(m_bitmap, other.m_bitmap);
    std::swap(m_width, other.m_width);
    std::swap(m_height, other.m_height);
    std::swap(m_bitsPerPixel, other.m_bitsPerPixel);
    std::swap(m_pitch, other.m_pitch);
    std::swap(m_hasAlpha, other.m_hasAlpha);
    std::swap(m_dpi, other.m_dpi);
    swap(m_visibleRegion, other.m_visibleRegion);
}

HRESULT CImage::Load(const std::string& path) {
    Destroy();
    const std::vector<wchar_t> widePath = WidePath(path);
    if (widePath.empty())
        return E_INVALIDARG;
    if (HeaderTooLargeToHold(widePath.data()))
        return E_OUTOFMEMORY;
    if (LoadDirect(widePath.data()))
        return S_OK;
    const gdiplus::RuntimeUse use;
    const gdiplus::Functions* api = gdiplus::Runtime::Start();
    if (!api)
        return E_FAIL;
    gdiplus::GpBitmap* decoded = nullptr;
    if (api->createBitmapFromFile(widePath.data(), &decoded) != kOk || !decoded)
        return E_FAIL;
    gdiplus::ImageOwner decodedOwner(*api, decoded);
    return CopyFrom(decoded);
}

template <class Fill>
HRESULT CImage::Hold(UINT width, UINT height, std::uint32_t sourceFormat, const Fill& fill) {
    Destroy();
    const HeldLayout layout = ChooseHeldLayout(sourceFormat);
    if (!FitsHeldBitmap(width, height, layout.bitsPerPixel))
        return E_FAIL;
    const size_t pitch = *DibRowPitch(width, layout.bitsPerPixel);

    void* bits = nullptr;
    UniqueBitmap bitmap(CreateHeldBitmap(width, height, layout, &bits));
    if (!bitmap || !bits)
        return E_FAIL;
    const HRESULT result = fill(bitmap.get(), layout, static_cast<BYTE*>(bits), pitch);
    if (FAILED(result))
        return result;
    ::GdiFlush();
    // Per-pixel blending takes colours already multiplied by their alpha.
    if (layout.hasAlpha)
        PremultiplyAlpha(static_cast<BYTE*>(bits), pitch, width, height);

    m_bitmap = std::move(bitmap);
    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    m_bitsPerPixel = layout.bitsPerPixel;
    m_pitch = static_cast<int>(pitch);
    m_hasAlpha = layout.hasAlpha;
    return S_OK;
}

// Where GDI+ decodes the whole picture into a bitmap of its own before we can
// copy it (as it does where it reads through the imaging component), the
// component's rows go straight into the held bitmap instead.
bool CImage::LoadDirect(const wchar_t* path) {
    const WicPicture picture(path);
    if (!picture.IsOpen())
        return false;
    const auto copy = [&picture](HBITMAP, const HeldLayout& layout, BYTE* bits, size_t pitch) {
        return layout.pixelFormat == picture.PixelFormat() && picture.CopyRowsInto(bits, pitch)
                   ? S_OK
                   : E_FAIL;
    };
    return SUCCEEDED(Hold(picture.Width(), picture.Height(), picture.PixelFormat(), copy));
}

HRESULT CImage::CopyFrom(gdiplus::GpBitmap* decoded) {
    Destroy();
    const gdiplus::Functions* api = gdiplus::Runtime::Start();
    if (!api || !decoded)
        return E_FAIL;
    INT sourceFormat = 0;
    UINT width = 0;
    UINT height = 0;
    if (api->getImagePixelFormat(decoded, &sourceFormat) != kOk ||
        api->getImageWidth(decoded, &width) != kOk || api->getImageHeight(decoded, &height) != kOk)
        return E_FAIL;
    const auto copy = [api, decoded, sourceFormat, width,
                       height](HBITMAP bitmap, const HeldLayout& layout, BYTE* bits, size_t pitch) {
        HRESULT result = S_OK;
        if ((sourceFormat & kFormatIndexed) && layout.bitsPerPixel <= 8)
            result = CopyPalette(*api, decoded, bitmap, layout.bitsPerPixel);
        if (FAILED(result))
            return result;
        return layout.pixelFormat == static_cast<std::uint32_t>(sourceFormat)
                   ? CopyRows(*api, decoded, width, height, layout, bits, pitch)
                   : ConvertInto(*api, decoded, width, height, layout, bits, pitch);
    };
    return Hold(width, height, static_cast<std::uint32_t>(sourceFormat), copy);
}

void CImage::ComposeOverBlack() {
    if (!m_hasAlpha)
        return;
    DIBSECTION section{};
    if (::GetObjectA(m_bitmap.get(), sizeof section, &section) != sizeof section ||
        !section.dsBm.bmBits)
        return;
    ::GdiFlush();
    const auto width = static_cast<std::uint32_t>(m_width);
    const auto height = static_cast<std::uint32_t>(m_height);
    BYTE* bits = static_cast<BYTE*>(section.dsBm.bmBits);
    m_visibleRegion = RegionOfRuns(bits, static_cast<size_t>(m_pitch), width, height);
    ::ComposeOverBlack(bits, static_cast<size_t>(m_pitch), width, height);
    m_hasAlpha = false;
}

UniqueRegion CImage::VisibleRegion() const {
    if (!m_visibleRegion)
        return UniqueRegion();
    UniqueRegion copy(::CreateRectRgn(0, 0, 0, 0));
    if (copy && ::CombineRgn(copy.get(), m_visibleRegion.get(), nullptr, RGN_COPY) == ERROR)
        copy.reset();
    return copy;
}

bool CImage::Draw(HDC dc, int x, int y) const {
    if (IsNull() || !dc)
        return false;
    MemoryDC source(dc);
    if (!source)
        return false;
    SelectScope select(source.get(), m_bitmap.get());
    if (m_hasAlpha) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        return AlphaBlendDC(dc, x, y, m_width, m_height, source.get(), 0, 0, m_width, m_height,
                            blend);
    }
    return ::StretchBlt(dc, x, y, m_width, m_height, source.get(), 0, 0, m_width, m_height,
                        SRCCOPY) != FALSE;
}
