#include "controls/shade_button_st.h"

#include "controls/crt_random.h"
#include "controls/shade_palette.h"
#include "framework/keyboard_cues.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// The button's window rectangle in its parent's client coordinates.
RECT RectInParent(HWND button) {
    RECT window{};
    ::GetWindowRect(button, &window);
    if (HWND parent = ::GetParent(button))
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    return window;
}

} // namespace

void CShadeButtonST::ApplyShading(DWORD effect, BYTE granularity, BYTE highlight, BYTE coloring,
                                  COLORREF color) {
    ApplyShading(effect, granularity, highlight, coloring, color, RectInParent(m_hWnd));
}

void CShadeButtonST::ApplyShading(DWORD effect, BYTE granularity, BYTE highlight, BYTE coloring,
                                  COLORREF color, const RECT& shownArea) {
    const RECT window = RectInParent(m_hWnd);
    // In 64 bits: a button may sit anywhere in the coordinate range.
    const auto offset = [](LONG a, LONG b) { return std::int64_t(a) - std::int64_t(b); };
    const std::int64_t fullWidth = offset(window.right, window.left);
    const std::int64_t fullHeight = offset(window.bottom, window.top);
    // Whether the face is shaded at all follows the full image's size, as
    // does the generator: the part only saves the work.
    if (fullWidth < 0 || fullHeight < 0 || fullWidth > INT_MAX || fullHeight > INT_MAX ||
        CCeXDib::BlockBytesFor(static_cast<int>(fullWidth), static_cast<int>(fullHeight), 8) >
            CCeXDib::kMaxBlockBytes) {
        // No image to shade: both faces stay empty and the flat face shows.
        m_normalImage.Release();
        m_hoverImage.Release();
        return;
    }
    // The shown part in the button's coordinates, one more pixel to the left
    // and above for the pressed face, drawn one pixel down and right.
    const int width = static_cast<int>(fullWidth);
    const int height = static_cast<int>(fullHeight);
    const auto clamp = [](std::int64_t value, int high) {
        return static_cast<LONG>(value < 0 ? 0 : value > high ? high : value);
    };
    const LONG left = clamp(offset(shownArea.left, window.left) - 1, width);
    const LONG top = clamp(offset(shownArea.top, window.top) - 1, height);
    const LONG right = std::max(left, clamp(offset(shownArea.right, window.left), width));
    const LONG bottom = std::max(top, clamp(offset(shownArea.bottom, window.top), height));
    const int partWidth = static_cast<int>(right - left);
    const int partHeight = static_cast<int>(bottom - top);
    if (!m_normalImage.Allocate(partWidth, partHeight, 8)) {
        m_hoverImage.Release();
        return;
    }
    m_imageOrigin = POINT{left, top};
    const COLORREF hi = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    BuildShadePalette(reinterpret_cast<std::uint8_t*>(m_normalImage.Palette()), hi, face, shadow);
    m_normalImage.TintPalette(color, coloring);

    const IndexImage pixels{m_normalImage.Pixels(), partWidth, partHeight, m_normalImage.Stride()};
    const ImagePart part{static_cast<int>(left), height - static_cast<int>(bottom), width, height};
    ShadeIndexImagePart(pixels, part, effect, granularity, UiThreadRandom());

    m_hoverImage.CopyFrom(m_normalImage);
    m_hoverImage.TintPalette(hi, highlight);
}

void CShadeButtonST::PaintBackground(HDC dc, const RECT& rect) {
    const bool pressed = m_pressed != 0;
    if (HighContrastOn() || !m_normalImage.HasBlock() || m_normalImage.Width() == 0 ||
        m_normalImage.Height() == 0) {
        // A high-contrast scheme's own colours; or not shaded (yet), or shaded
        // before it had a size: the base button's plain face.
        CButtonST::PaintBackground(dc, rect);
        return;
    }
    if (m_hovering && m_hoverImage.HasBlock()) {
        const int shift = pressed ? 1 : 0;
        m_hoverImage.BlitTo(dc, m_imageOrigin.x + shift, m_imageOrigin.y + shift);
    } else {
        m_normalImage.BlitTo(dc, m_imageOrigin.x, m_imageOrigin.y);
    }
}
