// For the button tests: a dialog whose behaviour each test scripts, a 32-bit
// surface of our own that a button paints into, and a crisp font.
#pragma once

#include "scripted_run.h"
#include "test_support.h"
#include "test_surface.h"

#include "framework/dialog.h"
#include "framework/gdi.h"

#include <windows.h>

#include <functional>
#include <ostream>
#include <vector>

// The framework's test dialog, run with a script (see scripted_run.h).
class ButtonTestDialog : public ScriptedRun<ButtonTestDialog, CDialog> {
public:
    ButtonTestDialog();
    std::function<void(ButtonTestDialog&)> onInit; // create controls here
    std::function<bool(WPARAM, LPARAM)> onCommand; // commands of the controls

    BOOL OnInitDialog() override;

protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// A rectangle of pixels, inclusive; empty when right < left.
struct PixelBounds {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left; }
    PixelBounds Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    bool operator==(const PixelBounds& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

// Readable bounds in test failures.
std::ostream& operator<<(std::ostream& out, const PixelBounds& bounds);

// A top-down 32-bit bitmap in a memory DC, its pixels read as COLORREF.
class ButtonCanvas : public TestSurface {
public:
    ButtonCanvas(int width, int height) : TestSurface(width, height, RGB(1, 2, 3)) {}
    // Has the button paint itself here through its own procedure (WM_PRINTCLIENT,
    // which sends the parent the owner-draw notification with this DC).
    void PrintClient(HWND button);
    COLORREF Pixel(int x, int y) const { return Colour(x, y); }
    // Where pixels of this colour lie within the area, and how many there are.
    PixelBounds BoundsOf(COLORREF colour, const RECT& area) const;
    int Count(COLORREF colour) const;
    std::vector<COLORREF> Pixels() const;
};

// A font drawn without smoothing, so that text pixels are exactly the text colour.
HFONT CreateUnsmoothedFont(int height);
