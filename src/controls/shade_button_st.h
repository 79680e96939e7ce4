// The forms' button: a CButtonST whose face is a generated, shaded texture,
// with a lighter copy shown while the mouse is over it. It also carries the
// action, url and args of its configuration entry.
#pragma once

#include "controls/button_st.h"
#include "controls/cex_dib.h"
#include "controls/shade_effects.h"

#include <string>

class CShadeButtonST : public CButtonST {
public:
    CShadeButtonST() = default;

    // Builds both face images at the window's size; call once the window exists.
    // effect: SHADE_GRAIN ... SHADE_SCRATCHES; highlight and coloring in percent.
    void ApplyShading(DWORD effect, BYTE granularity, BYTE highlight, BYTE coloring,
                      COLORREF color);
    // The same when only `shownArea` of the parent (client coordinates) can
    // ever show: the images cover the part of the button inside it, each pixel
    // and the thread's generator as the full images would have them, so a
    // button far larger than its form costs no more than the form.
    void ApplyShading(DWORD effect, BYTE granularity, BYTE highlight, BYTE coloring, COLORREF color,
                      const RECT& shownArea);

    void SetAction(const std::string& action) { m_action = action; }
    void SetUrl(const std::string& url) { m_url = url; }
    void SetArgs(const std::string& args) { m_args = args; }
    std::string GetAction() const { return m_action; }
    std::string GetUrl() const { return m_url; }
    std::string GetArgs() const { return m_args; }

    const CCeXDib& NormalImage() const { return m_normalImage; }
    const CCeXDib& HoverImage() const { return m_hoverImage; }

protected:
    void PaintBackground(HDC dc, const RECT& rect) override;

private:
    // The images' top-left corner in the button's client coordinates.
    POINT m_imageOrigin{};
    CCeXDib m_normalImage;
    CCeXDib m_hoverImage;
    std::string m_action;
    std::string m_url;
    std::string m_args;
};
