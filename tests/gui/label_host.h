// For the label tests: a parent window holding one static control, and a
// 32-bit surface of our own to paint windows into and read pixels from.
#pragma once

#include "test_support.h"
#include "test_surface.h"

#include "controls/label.h"
#include "framework/gdi.h"

#include <windows.h>

#include <string>
#include <vector>

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255); // what lay beneath, never drawn by a label

class LabelHost {
public:
    static constexpr int kControlId = 3001;

    // A hidden (or shown, at the screen's top-left corner) parent with the
    // static control at (10, 10). The control gets `font` when one is given.
    LabelHost(DWORD staticStyle, int width, int height, const std::string& text,
              HFONT font = nullptr, bool visible = false);
    LabelHost(const LabelHost&) = delete;
    LabelHost& operator=(const LabelHost&) = delete;
    ~LabelHost();

    HWND parent() const { return m_parent; }
    HWND control() const { return m_control; }

    // What reached the parent.
    std::vector<NMHDR> notifications;
    std::vector<WPARAM> notifyIds;
    int parentClicks = 0;

private:
    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND m_parent = nullptr;
    HWND m_control = nullptr;
};

// A font without smoothing, so that text pixels are exactly the text colour.
HFONT CreateCrispFont(int height, const char* face = "Tahoma", int weight = FW_NORMAL);

struct PixelBox {
    int left = 0, top = 0, right = -1, bottom = -1; // inclusive; empty when right < left
    bool empty() const { return right < left; }
};

class Canvas : public TestSurface {
public:
    Canvas(int width, int height, COLORREF fill) : TestSurface(width, height, fill) {}
    // Has the window paint itself into this surface (WM_PAINT with our DC).
    void PaintFrom(HWND hwnd);
    COLORREF Pixel(int x, int y) const { return Colour(x, y); }
    // Where pixels of this colour lie; and how many there are.
    PixelBox BoundsOf(COLORREF colour) const;
    int Count(COLORREF colour) const;
    // Every pixel equal to `colour`, as a mask of width × height.
    std::vector<bool> Mask(COLORREF colour) const;
};

// A label bound to the static control of its own host, in a crisp 16-pixel
// font; the font outlives the windows, the windows outlive the binding.
struct BoundLabel {
    BoundLabel(DWORD style, int width, int height, const std::string& text, bool visible = false)
        : font(CreateCrispFont(-16)), host(style, width, height, text, font.get(), visible) {
        label.SubclassWindow(host.control());
    }
    GdiObject<HFONT> font;
    LabelHost host;
    CLabel label;
};
