// Owners for GDI objects, device contexts, selections and kernel handles.
#pragma once

#include <windows.h>

#include <utility>

// Owns a GDI object (font, brush, pen, bitmap) and deletes it.
template <class Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    ~GdiObject() { reset(); }

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void reset(Handle handle = nullptr) {
        if (m_handle)
            ::DeleteObject(m_handle);
        m_handle = handle;
    }
    Handle release() { return std::exchange(m_handle, nullptr); }
    // Exchanges the objects owned, deleting none.
    friend void swap(GdiObject& a, GdiObject& b) noexcept { std::swap(a.m_handle, b.m_handle); }

private:
    Handle m_handle = nullptr;
};

using UniqueBrush = GdiObject<HBRUSH>;
using UniqueBitmap = GdiObject<HBITMAP>;
using UniquePen = GdiObject<HPEN>;
using UniqueRegion = GdiObject<HRGN>;

// Selects an object into a device context and selects the previous one back.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_old(object ? ::SelectObject(dc, object) : nullptr) {}
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;
    ~SelectScope() {
        if (m_old)
            ::SelectObject(m_dc, m_old);
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Owns a memory device context.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : m_dc(::CreateCompatibleDC(compatibleWith)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    MemoryDC(MemoryDC&& other) noexcept : m_dc(std::exchange(other.m_dc, nullptr)) {}
    MemoryDC& operator=(MemoryDC&& other) noexcept {
        reset(std::exchange(other.m_dc, nullptr));
        return *this;
    }
    MemoryDC() = default;
    ~MemoryDC() { reset(); }
    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }
    void reset(HDC dc = nullptr) {
        if (m_dc)
            ::DeleteDC(m_dc);
        m_dc = dc;
    }

private:
    HDC m_dc = nullptr;
};

// A window's device context, released at the end of the scope.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (m_dc)
            ::ReleaseDC(m_hwnd, m_dc);
    }
    HDC get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// BeginPaint and EndPaint around a WM_PAINT handler.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : m_hwnd(hwnd) { ::BeginPaint(hwnd, &m_paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { ::EndPaint(m_hwnd, &m_paint); }
    HDC dc() const { return m_paint.hdc; }
    const PAINTSTRUCT& paint() const { return m_paint; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint{};
};

// Owns a kernel handle.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    ~UniqueHandle() { reset(); }
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }
    void reset(HANDLE handle = nullptr) {
        if (valid())
            ::CloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HANDLE m_handle = nullptr;
};

// The framework's font object: owns one font handle.
class CFont {
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    bool CreateFontIndirect(const LOGFONTA& description) {
        m_font.reset(::CreateFontIndirectA(&description));
        return static_cast<bool>(m_font);
    }
    // A font of tenths of a point for the device (the screen when none).
    bool CreatePointFont(int pointSizeTenths, const char* faceName, HDC dc = nullptr);
    void Attach(HFONT font) { m_font.reset(font); }
    void DeleteObject() { m_font.reset(); }
    bool GetLogFont(LOGFONTA* description) const {
        return m_font && ::GetObjectA(m_font.get(), sizeof *description, description) != 0;
    }
    HFONT GetSafeHandle() const { return m_font.get(); }
    operator HFONT() const { return m_font.get(); }

private:
    GdiObject<HFONT> m_font;
};
