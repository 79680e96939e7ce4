#include "button_harness.h"

#include "test_dialogs.h"

#include <algorithm>

namespace {
constexpr UINT kRunScript = WM_APP + 40;
constexpr UINT kEnd = WM_APP + 41;
} // namespace

ButtonTestDialog::ButtonTestDialog() : CDialog(IDD_TEST_DIALOG, nullptr) {}

void ButtonTestDialog::EndSoon() {
    ::PostMessageA(m_hWnd, kEnd, 0, 0);
}

BOOL ButtonTestDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (onInit)
        onInit(*this);
    ::PostMessageA(m_hWnd, kRunScript, 0, 0);
    return TRUE;
}

bool ButtonTestDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == kRunScript) {
        // The dialog manager shows the dialog only once its queue is empty.
        ::ShowWindow(m_hWnd, SW_SHOW);
        ::UpdateWindow(m_hWnd);
        if (script)
            script(*this);
        if (!stayAfterScript)
            EndDialog(IDOK);
        result = 0;
        return true;
    }
    if (msg == kEnd) {
        EndDialog(IDOK);
        result = 0;
        return true;
    }
    return CDialog::OnMessage(msg, wParam, lParam, result);
}

bool ButtonTestDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (onCommand && onCommand(wParam, lParam))
        return true;
    // The test dialog's OK and Cancel must not end a script early.
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        return true;
    return CDialog::OnCommand(wParam, lParam);
}

ButtonCanvas::ButtonCanvas(int width, int height) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    WindowDC screen(nullptr);
    m_bitmap.reset(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<const DWORD*>(bits);
    m_dc.reset(::CreateCompatibleDC(screen.get()));
    m_previous = ::SelectObject(m_dc.get(), m_bitmap.get());
    Fill(RGB(1, 2, 3));
}

ButtonCanvas::~ButtonCanvas() {
    ::SelectObject(m_dc.get(), m_previous);
}

void ButtonCanvas::Fill(COLORREF colour) {
    UniqueBrush brush(::CreateSolidBrush(colour));
    RECT all{0, 0, m_width, m_height};
    ::FillRect(m_dc.get(), &all, brush.get());
}

void ButtonCanvas::PrintClient(HWND button) {
    ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc.get()), PRF_CLIENT);
    ::GdiFlush();
}

COLORREF ButtonCanvas::Pixel(int x, int y) const {
    const DWORD bgra = m_bits[y * m_width + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

PixelBounds ButtonCanvas::BoundsOf(COLORREF colour, const RECT& area) const {
    PixelBounds bounds;
    bool found = false;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(x, y) == colour) {
                if (!found) {
                    bounds = {x, y, x, y};
                    found = true;
                }
                bounds.left = std::min(bounds.left, x);
                bounds.right = std::max(bounds.right, x);
                bounds.top = std::min(bounds.top, y);
                bounds.bottom = std::max(bounds.bottom, y);
            }
    return bounds;
}

int ButtonCanvas::Count(COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            count += Pixel(x, y) == colour;
    return count;
}

std::vector<COLORREF> ButtonCanvas::Pixels() const {
    std::vector<COLORREF> all;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            all.push_back(Pixel(x, y));
    return all;
}

HFONT CreateUnsmoothedFont(int height) {
    LOGFONTA description{};
    description.lfHeight = -height;
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpynA(description.lfFaceName, "Tahoma", LF_FACESIZE);
    return ::CreateFontIndirectA(&description);
}
