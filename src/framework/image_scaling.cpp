// Drawing a picture for the display's scale: the picture made for the scale
// when there is one beside it, else the file itself resampled.
#include "framework/image.h"

#include "graphics/display_scale.h"
#include "graphics/pixel_layout.h"

namespace {

using gdiplus::kOk;

} // namespace

HRESULT CImage::Load(const std::string& path, const DisplayFit& fit) {
    if (fit.dpi <= kBaseDpi)
        return Load(path);
    const gdiplus::RuntimeUse use;
    const auto present = [&path](int percent) {
        const DWORD attributes = ::GetFileAttributesA(ScaledAssetName(path, percent).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    };
    int percent = ChooseAssetPercent(fit.dpi, present(150), present(200));
    HRESULT result = Load(ScaledAssetName(path, percent));
    if (FAILED(result) && percent != 100) {
        percent = 100;
        result = Load(path);
    }
    if (FAILED(result))
        return result;
    const int baseWidth = BaseLength(m_width, percent);
    const int baseHeight = BaseLength(m_height, percent);
    const int dpi = FittedDpi(fit.dpi, baseWidth, baseHeight, fit.workWidth, fit.workHeight);
    const int width = ScaledLength(baseWidth, dpi);
    const int height = ScaledLength(baseHeight, dpi);
    if (!HeldAtScale(m_width, percent, width, dpi) ||
        !HeldAtScale(m_height, percent, height, dpi)) {
        // Drawn from the held copy, which GDI+ reads through a wrapper of its memory.
        const gdiplus::Functions* api = gdiplus::Runtime::Start();
        DIBSECTION section{};
        gdiplus::GpBitmap* held = nullptr;
        const INT format = static_cast<INT>(m_hasAlpha ? kFormat32bppPArgb : 0);
        if (!api || ::GetObjectA(m_bitmap.get(), sizeof section, &section) != sizeof section)
            return E_FAIL;
        ::GdiFlush();
        const gdiplus::Status created =
            m_hasAlpha
                ? api->createBitmapFromScan0(
                      m_width, m_height, -m_pitch, format,
                      static_cast<BYTE*>(section.dsBm.bmBits) + (m_height - 1) * m_pitch, &held)
                : api->createBitmapFromHBITMAP(m_bitmap.get(), nullptr, &held);
        if (created != kOk || !held)
            return E_FAIL;
        gdiplus::ImageOwner heldOwner(*api, held);
        CImage scaled;
        result = scaled.CopyScaled(held, width, height);
        if (FAILED(result))
            return result;
        Swap(scaled);
    }
    m_dpi = dpi;
    return S_OK;
}

HRESULT CImage::CopyScaled(gdiplus::GpBitmap* decoded, int width, int height) {
    const gdiplus::Functions* api = gdiplus::Runtime::Start();
    if (!api ||
        !FitsHeldBitmap(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 32))
        return E_FAIL;
    INT format = 0;
    UINT sourceWidth = 0;
    UINT sourceHeight = 0;
    if (api->getImagePixelFormat(decoded, &format) != kOk ||
        api->getImageWidth(decoded, &sourceWidth) != kOk ||
        api->getImageHeight(decoded, &sourceHeight) != kOk)
        return E_FAIL;
    const INT target =
        static_cast<INT>((format & kFormatAlpha) ? kFormat32bppArgb : kFormat32bppRgb);
    gdiplus::GpBitmap* scaled = nullptr;
    if (api->createBitmapFromScan0(width, height, 0, target, nullptr, &scaled) != kOk || !scaled)
        return E_FAIL;
    gdiplus::ImageOwner scaledOwner(*api, scaled);
    {
        gdiplus::GpGraphics* graphics = nullptr;
        if (api->getImageGraphicsContext(scaled, &graphics) != kOk)
            return E_FAIL;
        gdiplus::GraphicsOwner graphicsOwner(*api, graphics);
        gdiplus::GpImageAttributes* attributes = nullptr;
        if (api->createImageAttributes(&attributes) != kOk)
            return E_FAIL;
        api->setImageAttributesWrapMode(attributes, gdiplus::kWrapModeTileFlipXY, 0, FALSE);
        api->setCompositingMode(graphics, gdiplus::kCompositingModeSourceCopy);
        api->setInterpolationMode(graphics, gdiplus::kInterpolationModeHighQualityBicubic);
        api->setPixelOffsetMode(graphics, gdiplus::kPixelOffsetModeHalf);
        const gdiplus::Status drawn = api->drawImageRectRectI(
            graphics, decoded, 0, 0, width, height, 0, 0, static_cast<INT>(sourceWidth),
            static_cast<INT>(sourceHeight), gdiplus::kUnitPixel, attributes, nullptr, nullptr);
        api->disposeImageAttributes(attributes);
        if (drawn != kOk)
            return E_FAIL;
    }
    return CopyFrom(scaled);
}
