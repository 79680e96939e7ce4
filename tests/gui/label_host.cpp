#include "label_host.h"

#include <algorithm>

namespace {

constexpr char kHostClass[] = "LabelTestHost";

void RegisterHostClass(WNDPROC proc) {
    WNDCLASSA wc{};
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), kHostClass, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
}

} // namespace

LabelHost::LabelHost(DWORD staticStyle, int width, int height, const std::string& text, HFONT font,
                     bool visible) {
    RegisterHostClass(&LabelHost::ParentProc);
    m_parent = ::CreateWindowExA(WS_EX_TOOLWINDOW, kHostClass, "Label test",
                                 WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, width + 20,
                                 height + 20, nullptr, nullptr, ::GetModuleHandleA(nullptr), this);
    m_control = ::CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | staticStyle,
                                  10, 10, width, height, m_parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (font)
        ::SendMessageA(m_control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (visible)
        ::UpdateWindow(m_parent);
}

LabelHost::~LabelHost() {
    ::DestroyWindow(m_parent);
}

LRESULT CALLBACK LabelHost::ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<LabelHost*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (host && msg == WM_NOTIFY) {
        host->notifications.push_back(*reinterpret_cast<const NMHDR*>(lParam));
        host->notifyIds.push_back(wParam);
        return 0;
    }
    if (host && msg == WM_LBUTTONDOWN)
        ++host->parentClicks;
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

HFONT CreateCrispFont(int height, const char* face, int weight) {
    return ::CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                         DEFAULT_PITCH, face);
}

void Canvas::PaintFrom(HWND hwnd) {
    ::SendMessageA(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(dc()), 0);
}

PixelBox Canvas::BoundsOf(COLORREF colour) const {
    PixelBox box{width(), height(), -1, -1};
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            if (Pixel(x, y) == colour) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box.right < 0 ? PixelBox{} : box;
}

int Canvas::Count(COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            count += Pixel(x, y) == colour;
    return count;
}

std::vector<bool> Canvas::Mask(COLORREF colour) const {
    std::vector<bool> mask(static_cast<size_t>(width() * height()));
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            mask[static_cast<size_t>(y * width() + x)] = Pixel(x, y) == colour;
    return mask;
}
