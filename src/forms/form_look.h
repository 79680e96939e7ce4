// How a form draws its version text and its buttons' fonts and faces: the
// launcher's forms and the designer's canvas draw them with these, so that
// both show a form alike to the pixel.
#pragma once

#include "app/face_name.h"
#include "app/system_code_page.h"
#include "controls/shade_button_st.h"
#include "graphics/display_scale.h"
#include "framework/gdi.h"
#include "framework/keyboard_cues.h"

#include <windows.h>

#include <string>

constexpr const char* kDefaultVersionFace = "Eras Medium ITC";
// 11 points at 96 dots per inch, as a character height.
constexpr LONG kVersionFontHeight = -15;
constexpr LONG kButtonFontHeight = 13;
constexpr LONG kButtonFontWeight = 500;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr BYTE kShadeGranularity = 8;
constexpr BYTE kShadeHighlight = 10;

// The version text's font at the picture's scale; the default face when none is given.
inline LOGFONTA VersionFontDescription(const std::string& face, int dpi) {
    LOGFONTA description{};
    description.lfHeight = ScaledLength(kVersionFontHeight, dpi);
    description.lfWeight = FW_NORMAL;
    description.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    description.lfPitchAndFamily = FF_MODERN | DEFAULT_PITCH;
    CopyFaceName(description.lfFaceName, face.empty() ? kDefaultVersionFace : face,
                 CurrentLeadBytes());
    return description;
}

// A button's font at 96 DPI: the form's own font in the button's face.
inline LOGFONTA ButtonFontDescription(HFONT formFont, const std::string& face) {
    LOGFONTA description{};
    ::GetObjectA(formFont, sizeof description, &description);
    description.lfHeight = kButtonFontHeight;
    description.lfWeight = kButtonFontWeight;
    // A face too long for the record is cut, never written past it.
    CopyFaceName(description.lfFaceName, face, CurrentLeadBytes());
    return description;
}

// The shading of a form's button, for as much of it as the picture shows.
inline void ShadeFormButton(CShadeButtonST& button, const RECT& shownArea) {
    button.ApplyShading(SHADE_BEVEL, kShadeGranularity, kShadeHighlight, 0, 0, shownArea);
}

// [main] versionNumber in white, transparent, into its rectangle.
inline void DrawVersionText(HDC dc, const std::string& text, HFONT font, RECT rect) {
    // White over the picture; in a high-contrast scheme the picture stays, so
    // the text takes the scheme's colours on a face of its own, as the
    // buttons' captions do: readable over any picture.
    const bool scheme = HighContrastOn();
    const int oldMode = ::SetBkMode(dc, scheme ? OPAQUE : TRANSPARENT);
    const COLORREF oldBack = ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    const COLORREF oldColour =
        ::SetTextColor(dc, scheme ? ::GetSysColor(COLOR_BTNTEXT) : RGB(255, 255, 255));
    {
        SelectScope selected(dc, font);
        ::DrawTextA(dc, text.c_str(), -1, &rect, 0);
    }
    ::SetTextColor(dc, oldColour);
    ::SetBkColor(dc, oldBack);
    ::SetBkMode(dc, oldMode);
}
