#include "screen.h"

#include <cstdio>

namespace {

// A top-down 32-bit DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        if (m_bitmap)
            m_old = ::SelectObject(m_dc, m_bitmap);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() {
        if (m_old)
            ::SelectObject(m_dc, m_old);
        if (m_bitmap)
            ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    bool valid() const { return m_bits != nullptr; }
    HDC dc() const { return m_dc; }
    ScreenImage Read() const {
        ScreenImage image(m_width, m_height);
        ::GdiFlush();
        const auto* bits = static_cast<const uint32_t*>(m_bits);
        for (size_t i = 0; i < size_t(m_width) * m_height; ++i)
            image.data()[i] = bits[i] & 0x00FFFFFF;
        return image;
    }

private:
    int m_width, m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    void* m_bits = nullptr;
};

ScreenImage DrawIconOn(LPCSTR icon, int width, int height, uint32_t background) {
    Canvas canvas(width, height);
    if (!canvas.valid())
        return {};
    HBRUSH brush =
        ::CreateSolidBrush(RGB(RedOf(background), GreenOf(background), BlueOf(background)));
    RECT all{0, 0, width, height};
    ::FillRect(canvas.dc(), &all, brush);
    ::DeleteObject(brush);
    ::DrawIconEx(canvas.dc(), 0, 0, ::LoadIconA(nullptr, icon), 0, 0, 0, nullptr,
                 DI_NORMAL | DI_DEFAULTSIZE);
    return canvas.Read();
}

} // namespace

ScreenImage CaptureScreen(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0)
        return {};
    Canvas canvas(width, height);
    HDC screen = ::GetDC(nullptr);
    const bool copied = canvas.valid() &&
                        ::BitBlt(canvas.dc(), 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    return copied ? canvas.Read() : ScreenImage();
}

ScreenImage CaptureWhenSettled(const RECT& screenRect, DWORD milliseconds, DWORD interval) {
    const DWORD start = ::GetTickCount();
    ScreenImage last = CaptureScreen(screenRect);
    while (::GetTickCount() - start < milliseconds) {
        ::Sleep(interval);
        ScreenImage next = CaptureScreen(screenRect);
        if (next == last)
            return next;
        last = std::move(next);
    }
    return last;
}

void SaveBmp(const ScreenImage& image, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = image.width();
    info.biHeight = -image.height();
    info.biPlanes = 1;
    info.biBitCount = 32;
    const DWORD bytes = DWORD(image.width()) * image.height() * 4;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + bytes;
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&info, sizeof info, 1, file);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const uint32_t pixel = image.at(x, y);
            std::fwrite(&pixel, 4, 1, file);
        }
    std::fclose(file);
}

LPCSTR MessageBoxIconOf(HWND box) {
    HWND iconStatic = nullptr;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        ::GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0 &&
            (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            ::IsWindowVisible(child)) {
            iconStatic = child;
            break;
        }
    }
    if (!iconStatic)
        return nullptr;
    RECT rect{};
    ::GetWindowRect(iconStatic, &rect);
    const int size = ::GetSystemMetrics(SM_CXICON);
    rect.right = rect.left + size;
    rect.bottom = rect.top + ::GetSystemMetrics(SM_CYICON);
    const ScreenImage shown = CaptureWhenSettled(rect, 1000, 50);
    if (shown.empty())
        return nullptr;
    // The icons' corners are see-through: the top-left pixel is the background.
    const uint32_t background = shown.at(0, 0);
    for (LPCSTR icon : {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK})
        if (DrawIconOn(icon, shown.width(), shown.height(), background) == shown)
            return icon;
    return nullptr;
}
