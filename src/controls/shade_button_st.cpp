#include "controls/shade_button_st.h"

#include "controls/crt_random.h"
#include "controls/shade_palette.h"

void CShadeButtonST::ApplyShading(DWORD effect, BYTE granularity, BYTE highlight, BYTE coloring,
                                  COLORREF color) {
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;

    if (!m_normalImage.Allocate(width, height, 8)) {
        // No image to shade: both faces stay empty and the flat face shows.
        m_hoverImage.Release();
        return;
    }
    const COLORREF hi = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    BuildShadePalette(reinterpret_cast<std::uint8_t*>(m_normalImage.Palette()), hi, face, shadow);
    m_normalImage.TintPalette(color, coloring);

    const IndexImage pixels{m_normalImage.Pixels(), width, height, m_normalImage.Stride()};
    ShadeIndexImage(pixels, effect, granularity, UiThreadRandom());

    m_hoverImage.CopyFrom(m_normalImage);
    m_hoverImage.TintPalette(hi, highlight);
}

void CShadeButtonST::PaintBackground(HDC dc, const RECT& rect) {
    const bool pressed = m_pressed != 0;
    if (!m_normalImage.HasBlock() || m_normalImage.Width() == 0 || m_normalImage.Height() == 0) {
        // Not shaded (yet), or shaded before it had a size: the base button's plain face.
        CButtonST::PaintBackground(dc, rect);
        return;
    }
    if (m_hovering && m_hoverImage.HasBlock()) {
        const int shift = pressed ? 1 : 0;
        m_hoverImage.BlitTo(dc, shift, shift);
    } else {
        m_normalImage.BlitTo(dc, 0, 0);
    }
}

void CShadeButtonST::PaintBorder(HDC dc, const RECT& rect) {
    CButtonST::PaintBorder(dc, rect);
}
