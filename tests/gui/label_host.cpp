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

Canvas::Canvas(int width, int height, COLORREF fill)
    : m_width(width), m_height(height), m_dc(nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<const DWORD*>(bits);
    m_oldBitmap = ::SelectObject(m_dc.get(), m_bitmap.get());
    Fill(fill);
}

void Canvas::Fill(COLORREF colour) {
    UniqueBrush brush(::CreateSolidBrush(colour));
    RECT all{0, 0, m_width, m_height};
    ::FillRect(m_dc.get(), &all, brush.get());
}

void Canvas::PaintFrom(HWND hwnd) {
    ::SendMessageA(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(m_dc.get()), 0);
}

COLORREF Canvas::Pixel(int x, int y) const {
    ::GdiFlush();
    const DWORD bgr = m_bits[y * m_width + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

PixelBox Canvas::BoundsOf(COLORREF colour) const {
    PixelBox box{m_width, m_height, -1, -1};
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
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
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            count += Pixel(x, y) == colour;
    return count;
}

std::vector<bool> Canvas::Mask(COLORREF colour) const {
    std::vector<bool> mask(static_cast<size_t>(m_width * m_height));
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            mask[static_cast<size_t>(y * m_width + x)] = Pixel(x, y) == colour;
    return mask;
}
