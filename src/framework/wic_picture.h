// A picture file read by the platform's imaging component (taken at run time
// from the system folder's windowscodecs.dll), whose rows are written straight
// into memory the caller owns: the picture is never held twice by our side.
// Only files the component decodes to the very pixels GDI+ gives are taken:
// PNG without a gamma chunk (GDI+ applies the gamma, the component does not)
// and BMP, at 24-bit BGR, 32-bit BGR or (PNG only: GDI+ ignores a BMP's alpha)
// 32-bit BGRA. Every other file is left to GDI+.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

struct IWICBitmapDecoder;
struct IWICBitmapFrameDecode;

class WicPicture {
public:
    // Opens the first frame of the file; not open when the component is missing,
    // the file is not one it takes here, or it cannot decode it.
    explicit WicPicture(const wchar_t* path);
    WicPicture(const WicPicture&) = delete;
    WicPicture& operator=(const WicPicture&) = delete;
    ~WicPicture();

    bool IsOpen() const { return m_frame != nullptr; }
    UINT Width() const { return m_width; }
    UINT Height() const { return m_height; }
    // The layout of the rows in GDI+'s pixel format code.
    std::uint32_t PixelFormat() const { return m_pixelFormat; }

    // Decodes the rows into the memory of a bottom-up bitmap of this size and
    // format, top row last; false when the file turns out to be damaged.
    bool CopyRowsInto(BYTE* bits, std::size_t pitch) const;

private:
    HMODULE m_library; // loaded for this picture only
    IWICBitmapDecoder* m_decoder = nullptr;
    IWICBitmapFrameDecode* m_frame = nullptr;
    UINT m_width = 0;
    UINT m_height = 0;
    std::uint32_t m_pixelFormat = 0;
};
