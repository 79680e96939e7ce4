// The framework's image: a picture file decoded once and held as a
// device-independent bitmap, painted 1:1 from memory.
#pragma once

#include "framework/gdi.h"
#include "framework/gdiplus_runtime.h"

#include <windows.h>

#include <cstdint>
#include <string>

// Where a picture is shown: the display's dots per inch and its work area.
struct DisplayFit {
    int dpi = 96;
    int workWidth = 0;
    int workHeight = 0;
};

class CImage {
public:
    CImage();
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;
    ~CImage();

    // Decodes the picture file (a path in the system's ANSI code page) and holds
    // a copy: S_OK when it is loaded, a failure code otherwise (missing, empty,
    // truncated or undecodable file, decoder or bitmap unavailable), and
    // E_OUTOFMEMORY at once, before any decoding, when the file's header tells
    // of a picture too large to hold (kMaxHeldPictureBytes). A picture held
    // before is released first.
    HRESULT Load(const std::string& path);
    // The same, drawn for the display: the picture made for the nearest larger
    // scale beside it ("NAME.scale-150.png", "NAME.scale-200.png") when there
    // is one, else the file itself, scaled with high-quality interpolation to
    // its base size times the scale that fits the work area. GetDpi tells the
    // scale taken. At 96 DPI exactly Load(path).
    HRESULT Load(const std::string& path, const DisplayFit& fit);
    // Holds a copy of a picture the decoder has made (the decoder keeps its own):
    // own depth and layout when GDI shows it directly, 32-bit ARGB when it has
    // alpha, 32-bit RGB otherwise. Whoever made `decoded` keeps GDI+ in use.
    HRESULT CopyFrom(gdiplus::GpBitmap* decoded);
    void Destroy();
    // Exchanges the pictures held (a picture decoded on another thread is
    // handed over this way).
    void Swap(CImage& other) noexcept;
    // Makes a picture with alpha opaque, as if it had been blended once over
    // black; it is copied, never blended, from then on. Its fully transparent
    // pixels are noted first, for VisibleRegion.
    void ComposeOverBlack();
    // A copy of the region of the pixels that showed before ComposeOverBlack,
    // for a window whose fully transparent pixels are see-through; none when
    // every pixel showed. Half-transparent pixels stay in it, composed over black.
    UniqueRegion VisibleRegion() const;

    bool IsNull() const { return !m_bitmap; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetBPP() const { return m_bitsPerPixel; }
    // Bytes from one row to the next; rows are stored bottom-up.
    int GetPitch() const { return m_pitch; }
    // True for pictures held as 32-bit ARGB (premultiplied) and blended when drawn.
    bool HasAlpha() const { return m_hasAlpha; }
    // The dots per inch the picture is drawn for: 96 unless a fitted load scaled it.
    int GetDpi() const { return m_dpi; }
    HBITMAP GetHandle() const { return m_bitmap.get(); }

    // Paints the whole picture with its top-left corner at (x, y), one picture
    // pixel to one device pixel: blended by its alpha when it has one, copied
    // otherwise. False when nothing was painted.
    bool Draw(HDC dc, int x, int y) const;

private:
    // Holds the picture file decoded by the imaging component, when it is one
    // the component decodes as GDI+ would; false leaves it to GDI+.
    bool LoadDirect(const wchar_t* path);
    // Holds the decoded picture drawn at width x height.
    HRESULT CopyScaled(gdiplus::GpBitmap* decoded, int width, int height);
    // Holds a new bitmap in the layout chosen for the source format, its memory
    // written by fill(bitmap, layout, bits, pitch); nothing when that fails.
    template <class Fill>
    HRESULT Hold(UINT width, UINT height, std::uint32_t sourceFormat, const Fill& fill);

    UniqueBitmap m_bitmap;
    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
    int m_pitch = 0;
    bool m_hasAlpha = false;
    int m_dpi = 96;
    UniqueRegion m_visibleRegion; // built once, when the picture is composed
};
