// Layout arithmetic of a form: which buttons are built, their sections and
// rectangles, and the rectangle of the version text.
#pragma once

#include <string>

// Edges in pixels of the form's client area.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
};

// A form has this many button slots.
constexpr int kButtonSlots = 10;

// The "buttonCount" of a form section that gives none.
constexpr int kDefaultButtonCount = 5;

// The identifier of the button numbered from 1.
constexpr int ButtonCommandId(int number) {
    return 9999 + number;
}

// How many buttons a form builds for its "buttonCount": none for 0 or less, at
// most one per slot (the rest are left out).
int ButtonsToBuild(int buttonCount);

// The section of the button numbered from 1: "<form>.button<number>".
std::string ButtonSectionName(const std::string& formName, int number);

// Left x, top y, right x + width, bottom y + height; an edge beyond the range
// of int is held at its limit instead of wrapping round.
PixelRect ButtonRectangle(int x, int y, int width, int height);

// From (versionX, versionY) to 40 pixels short of the right edge and down to
// the bottom; empty (right <= left) when versionX lies beyond that. At another
// `dpi` the place and the margin are scaled; the client size is the window's.
PixelRect VersionTextRectangle(int versionX, int versionY, int clientWidth, int clientHeight,
                               int dpi = 96);

// Each edge of a rectangle given at 96 DPI, at `dpi`.
PixelRect ScaledRect(const PixelRect& rect, int dpi);
