// Renders the controls into one picture for the documentation: the shaded
// buttons' nine effects at rest and under the mouse, and a set of label looks.
//   gallery.exe OUTPUT.bmp
#include "bmp_file.h"
#include "controls/label.h"
#include "controls/shade_button_st.h"
#include "framework/gdi.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kMargin = 10;
constexpr int kHeaderHeight = 24;
constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 28;
constexpr int kButtonPitch = 36;
constexpr int kLabelsLeft = 340;
constexpr int kLabelGap = 6;
constexpr char kHostClass[] = "ControlGallery";

struct Effect {
    DWORD id;
    const char* name;
};
constexpr Effect kEffects[] = {
    {SHADE_GRAIN, "Grain"},         {SHADE_DIAGONAL, "Diagonal"},
    {SHADE_ROWS, "Rows"},           {SHADE_COLUMNS, "Columns"},
    {SHADE_ROW_CURVE, "Row curve"}, {SHADE_COLUMN_CURVE, "Column curve"},
    {SHADE_CUSHION, "Cushion"},     {SHADE_BEVEL, "Bevel"},
    {SHADE_SCRATCHES, "Scratches"},
};

// One label of the gallery: its static control and how the label is set up.
struct LabelLook {
    const char* text;
    DWORD style;
    int height;
    void (*setUp)(CLabel&);
    bool overPattern = false; // the window paints a pattern beneath it
};

const LabelLook kLabelLooks[] = {
    {"Please enter a security authorization password that is 4 characters or longer.", SS_LEFT, 28,
     [](CLabel& l) {
         l.SetBackgroundColor(RGB(255, 255, 255)).SetTextColor(RGB(0, 64, 0));
         l.SetFontSize(8).SetFontBold(false);
     }},
    {"Gradient background", SS_CENTER | SS_CENTERIMAGE, 30,
     [](CLabel& l) {
         l.SetBackgroundColor(RGB(0, 48, 112), RGB(130, 200, 255), true);
         l.SetTextColor(RGB(255, 255, 255)).SetFontSize(11).SetFontBold(true);
     }},
    {"Embossed text", SS_CENTER | SS_CENTERIMAGE, 34,
     [](CLabel& l) {
         l.SetBackgroundColor(RGB(200, 200, 200)).SetTextColor(RGB(110, 110, 110));
         l.SetFontName("Tahoma", ANSI_CHARSET).SetFontSize(16).SetFontBold(true);
         l.SetEmbossColor(RGB(255, 255, 255)).SetTextEmboss(true, true);
     }},
    {"Turned 10\xB0", SS_LEFT, 60,
     [](CLabel& l) {
         l.SetBackgroundColor(RGB(255, 250, 235)).SetTextColor(RGB(150, 0, 0));
         l.SetFontSize(12).SetRotationAngle(10, true);
     }},
    {"Transparent, over a pattern", SS_CENTER | SS_CENTERIMAGE, 30,
     [](CLabel& l) {
         l.SetTextColor(RGB(0, 0, 0)).SetFontSize(10).SetFontBold(true).SetTransparent(true);
     },
     true},
    {"http://www.example.com/", SS_LEFT | SS_CENTERIMAGE, 22,
     [](CLabel& l) {
         l.SetTextColor(RGB(0, 0, 220)).SetFontUnderline(true);
         l.SetLink(true, false).SetHoverCursor(::LoadCursorA(nullptr, IDC_HAND));
     }},
    {"Flashing, in its swapped phase", SS_CENTER | SS_CENTERIMAGE, 24,
     [](CLabel& l) {
         l.SetBackgroundColor(RGB(255, 230, 80)).SetTextColor(RGB(0, 0, 120)).SetFontBold(true);
         l.SetFlashMode2(true);
     }},
    {"Right-aligned, italic, static edge", SS_RIGHT, 22,
     [](CLabel& l) {
         l.SetBackgroundColor(RGB(255, 255, 255)).SetTextColor(RGB(60, 60, 60));
         l.SetFontItalic(true).SetStaticEdge(true);
     }},
    {"Courier New, 12 points, bold", SS_LEFT | SS_CENTERIMAGE, 26,
     [](CLabel& l) {
         l.SetBackgroundColor(RGB(30, 30, 30)).SetTextColor(RGB(120, 255, 120));
         l.SetFontName("Courier New", ANSI_CHARSET).SetFontSize(12).SetFontBold(true);
     }},
};

// A 32-bit picture with a device context to render into.
class Picture {
public:
    Picture(int width, int height) : m_width(width), m_height(height), m_dc(nullptr) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<const std::uint32_t*>(bits);
        m_old = ::SelectObject(m_dc.get(), m_bitmap.get());
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture() { ::SelectObject(m_dc.get(), m_old); }

    bool valid() const { return m_bits != nullptr; }
    HDC dc() const { return m_dc.get(); }
    bool Save(const std::string& path) const {
        ::GdiFlush();
        return WriteBmp24(path, m_bits, m_width, m_height);
    }

private:
    int m_width;
    int m_height;
    UniqueBitmap m_bitmap;
    MemoryDC m_dc;
    HGDIOBJ m_old = nullptr;
    const std::uint32_t* m_bits = nullptr;
};

class GalleryWindow : public CWnd {
public:
    GalleryWindow()
        : m_buttonFont(MakeFont(-13, "Tahoma")), m_dialogFont(MakeFont(-11, "MS Shell Dlg")) {}
    ~GalleryWindow() override { DestroyWindow(); }

    bool Create();
    int height() const { return m_height; }
    // Paints the window's background and every control into the picture.
    void Render(HDC dc);

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static HFONT MakeFont(int height, const char* face) {
        return ::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, face);
    }
    void PaintBackground(HDC dc) const;
    CLabel& AddLabel(const char* text, DWORD style, const RECT& rect);
    void AddButton(const Effect& effect, int x, int y, bool hovered);
    void RenderLabel(HDC dc, HWND label) const;
    void RenderButton(HDC dc, HWND button) const;

    GdiObject<HFONT> m_buttonFont;
    GdiObject<HFONT> m_dialogFont;
    struct ShownButton {
        std::unique_ptr<CShadeButtonST> button;
        bool hovered; // shown with the mouse over it
    };
    std::vector<ShownButton> m_buttons;
    std::vector<std::unique_ptr<CLabel>> m_labels;
    RECT m_patternArea{};
    int m_height = 0;
};

bool GalleryWindow::Create() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);

    const int buttonsBottom =
        kMargin + kHeaderHeight + kMargin + kButtonPitch * static_cast<int>(std::size(kEffects));
    int labelsBottom = kMargin + kHeaderHeight + kMargin;
    for (const LabelLook& look : kLabelLooks)
        labelsBottom += look.height + kLabelGap;
    m_height = std::max(buttonsBottom, labelsBottom) + kMargin - kLabelGap;
    if (!CreateEx(WS_EX_TOOLWINDOW, kHostClass, "Controls", WS_POPUP | WS_CLIPCHILDREN,
                  RECT{0, 0, kWidth, m_height}, nullptr, 0))
        return false;

    AddLabel("Shading effects: at rest, under the mouse", SS_CENTER | SS_CENTERIMAGE,
             RECT{kMargin, kMargin, kLabelsLeft - kMargin, kMargin + kHeaderHeight})
        .SetBackgroundColor(RGB(40, 40, 40), RGB(150, 150, 150), true)
        .SetTextColor(RGB(255, 255, 255))
        .SetFontBold(true);
    AddLabel("Labels", SS_CENTER | SS_CENTERIMAGE,
             RECT{kLabelsLeft, kMargin, kWidth - kMargin, kMargin + kHeaderHeight})
        .SetBackgroundColor(RGB(40, 40, 40), RGB(150, 150, 150), true)
        .SetTextColor(RGB(255, 255, 255))
        .SetFontBold(true);

    int y = kMargin + kHeaderHeight + kMargin;
    for (const Effect& effect : kEffects) {
        AddButton(effect, kMargin, y, false);
        AddButton(effect, kMargin + kButtonWidth + kMargin, y, true);
        y += kButtonPitch;
    }
    y = kMargin + kHeaderHeight + kMargin;
    for (const LabelLook& look : kLabelLooks) {
        const RECT rect{kLabelsLeft, y, kWidth - kMargin, y + look.height};
        if (look.overPattern)
            m_patternArea = rect;
        look.setUp(AddLabel(look.text, look.style, rect));
        y += look.height + kLabelGap;
    }
    return true;
}

CLabel& GalleryWindow::AddLabel(const char* text, DWORD style, const RECT& rect) {
    HWND control = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, rect.left,
                                     rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                     m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_dialogFont.get()), FALSE);
    m_labels.push_back(std::make_unique<CLabel>());
    m_labels.back()->SubclassWindow(control);
    return *m_labels.back();
}

void GalleryWindow::AddButton(const Effect& effect, int x, int y, bool hovered) {
    auto button = std::make_unique<CShadeButtonST>();
    const int id = 100 + static_cast<int>(m_buttons.size());
    if (!button->Create(effect.name, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                        RECT{x, y, x + kButtonWidth, y + kButtonHeight}, this, id))
        return;
    // The forms' own settings: granularity 8, highlight 10 %, no colouring.
    button->ApplyShading(effect.id, 8, 10, 0, 0);
    button->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_buttonFont.get()), TRUE);
    m_buttons.push_back({std::move(button), hovered});
}

void GalleryWindow::PaintBackground(HDC dc) const {
    RECT all{0, 0, kWidth, m_height};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    // Diagonal stripes under the transparent label.
    UniqueBrush light(::CreateSolidBrush(RGB(170, 215, 170)));
    UniqueBrush dark(::CreateSolidBrush(RGB(120, 180, 120)));
    const RECT& p = m_patternArea;
    for (int y = p.top; y < p.bottom; ++y)
        for (int x = p.left; x < p.right; x += 4) {
            const RECT dot{x, y, std::min<LONG>(x + 4, p.right), y + 1};
            ::FillRect(dc, &dot, ((x + y) / 8) % 2 ? light.get() : dark.get());
        }
}

bool GalleryWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_ERASEBKGND) {
        PaintBackground(reinterpret_cast<HDC>(wParam));
        result = TRUE;
        return true;
    }
    return CWnd::OnMessage(msg, wParam, lParam, result);
}

// Where the child's window and client area lie in the gallery's client area.
void ChildPlacement(HWND parent, HWND child, RECT& window, POINT& client) {
    ::GetWindowRect(child, &window);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    client = POINT{0, 0};
    ::ClientToScreen(child, &client);
    ::ScreenToClient(parent, &client);
}

void GalleryWindow::RenderLabel(HDC dc, HWND label) const {
    RECT window{};
    POINT client{};
    ChildPlacement(m_hWnd, label, window, client);
    POINT old{};
    // A frame of its own (static edge, border) first, then the client area,
    // painted in place so that a transparent label shows the pattern beneath.
    if (client.x != window.left || client.y != window.top) {
        ::SetViewportOrgEx(dc, window.left, window.top, &old);
        ::SendMessageA(label, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
        ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
    }
    ::SetViewportOrgEx(dc, client.x, client.y, &old);
    ::SendMessageA(label, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void GalleryWindow::RenderButton(HDC dc, HWND button) const {
    RECT window{};
    POINT client{};
    ChildPlacement(m_hWnd, button, window, client);
    RECT size{};
    ::GetClientRect(button, &size);
    // The platform's button clips to its client area in device units, so it
    // paints into a surface of its own size first.
    Picture face(size.right, size.bottom);
    ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(face.dc()), PRF_CLIENT);
    ::BitBlt(dc, client.x, client.y, size.right, size.bottom, face.dc(), 0, 0, SRCCOPY);
}

void GalleryWindow::Render(HDC dc) {
    PaintBackground(dc);
    for (const auto& label : m_labels)
        RenderLabel(dc, label->m_hWnd);
    for (const ShownButton& shown : m_buttons) {
        CShadeButtonST& button = *shown.button;
        if (shown.hovered) {
            // Where the system would report the mouse: over the button's centre.
            RECT rect{};
            ::GetClientRect(button.m_hWnd, &rect);
            POINT centre{rect.right / 2, rect.bottom / 2};
            POINT screen = centre;
            ::ClientToScreen(button.m_hWnd, &screen);
            ::SetCursorPos(screen.x, screen.y);
            button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
        }
        RenderButton(dc, button.m_hWnd);
        if (shown.hovered) {
            if (!button.IsHovering())
                std::fprintf(stderr, "gallery: %s did not take the hover look\n",
                             button.GetWindowText().c_str());
            button.SendMessage(WM_MOUSELEAVE);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gallery OUTPUT.bmp\n");
        return 2;
    }
    GalleryWindow gallery;
    if (!gallery.Create()) {
        std::fprintf(stderr, "gallery: cannot create the window\n");
        return 1;
    }
    ::ShowWindow(gallery.m_hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(gallery.m_hWnd);

    Picture picture(kWidth, gallery.height());
    if (!picture.valid())
        return 1;
    gallery.Render(picture.dc());
    if (!picture.Save(argv[1])) {
        std::fprintf(stderr, "gallery: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
