// The picture decoder (GDI+ through its flat interface), taken at run time from
// the system folder's gdiplus.dll: a statically imported gdiplus.dll would be
// loaded from the program's own folder before any code runs.
#pragma once

#include <windows.h>

#include <cstdint>

namespace gdiplus {

using Status = int;
constexpr Status kOk = 0;

struct GpImage; // a decoded picture, a bitmap and a graphics context are opaque
struct GpGraphics;
struct GpImageAttributes;
using GpBitmap = GpImage;

struct Rect {
    INT x;
    INT y;
    INT width;
    INT height;
};

struct BitmapData {
    UINT width;
    UINT height;
    INT stride;
    INT pixelFormat;
    void* scan0;
    UINT_PTR reserved;
};

struct ColorPalette {
    UINT flags;
    UINT count;
    UINT entries[1]; // 0xAARRGGBB, count of them
};

constexpr UINT kImageLockModeRead = 1;
constexpr UINT kImageLockModeUserInputBuf = 4;
constexpr int kCompositingModeSourceCopy = 1;
constexpr int kInterpolationModeHighQualityBicubic = 7;
constexpr int kPixelOffsetModeHalf = 4;
constexpr int kWrapModeTileFlipXY = 3; // edges sampled from the picture, not from nothing
constexpr int kUnitPixel = 2;

// The flat functions the image class uses.
struct Functions {
    Status(WINAPI* createBitmapFromFile)(const WCHAR*, GpBitmap**);
    Status(WINAPI* getImagePixelFormat)(GpImage*, INT*);
    Status(WINAPI* getImageWidth)(GpImage*, UINT*);
    Status(WINAPI* getImageHeight)(GpImage*, UINT*);
    Status(WINAPI* getImagePaletteSize)(GpImage*, INT*);
    Status(WINAPI* getImagePalette)(GpImage*, ColorPalette*, INT);
    Status(WINAPI* bitmapLockBits)(GpBitmap*, const Rect*, UINT, INT, BitmapData*);
    Status(WINAPI* bitmapUnlockBits)(GpBitmap*, BitmapData*);
    Status(WINAPI* createBitmapFromScan0)(INT, INT, INT, INT, BYTE*, GpBitmap**);
    Status(WINAPI* getImageGraphicsContext)(GpImage*, GpGraphics**);
    Status(WINAPI* setCompositingMode)(GpGraphics*, int);
    Status(WINAPI* drawImageRectI)(GpGraphics*, GpImage*, INT, INT, INT, INT);
    Status(WINAPI* createBitmapFromHBITMAP)(HBITMAP, HPALETTE, GpBitmap**);
    Status(WINAPI* setInterpolationMode)(GpGraphics*, int);
    Status(WINAPI* setPixelOffsetMode)(GpGraphics*, int);
    Status(WINAPI* createImageAttributes)(GpImageAttributes**);
    Status(WINAPI* setImageAttributesWrapMode)(GpImageAttributes*, int, UINT, BOOL);
    Status(WINAPI* disposeImageAttributes)(GpImageAttributes*);
    Status(WINAPI* drawImageRectRectI)(GpGraphics*, GpImage*, INT, INT, INT, INT, INT, INT, INT,
                                       INT, int, const GpImageAttributes*, void*, void*);
    Status(WINAPI* deleteGraphics)(GpGraphics*);
    Status(WINAPI* disposeImage)(GpImage*);
};

// Counts the uses of GDI+ in the process. It is loaded and started by the first
// Start and shut down and unloaded when the last use goes: a held picture needs
// none of it, and its libraries would stay in memory for the whole run.
class Runtime {
public:
    static void AddHolder();
    static void RemoveHolder();
    // Starts GDI+ when it is not running; null when it cannot be started.
    static const Functions* Start();
};

// One use of GDI+ for the length of a scope (a load, or a decoded bitmap's life).
class RuntimeUse {
public:
    RuntimeUse() { Runtime::AddHolder(); }
    RuntimeUse(const RuntimeUse&) = delete;
    RuntimeUse& operator=(const RuntimeUse&) = delete;
    ~RuntimeUse() { Runtime::RemoveHolder(); }
};

// Disposes a decoded picture or bitmap at the end of a scope.
class ImageOwner {
public:
    ImageOwner(const Functions& api, GpImage* image) : m_api(api), m_image(image) {}
    ImageOwner(const ImageOwner&) = delete;
    ImageOwner& operator=(const ImageOwner&) = delete;
    ~ImageOwner() {
        if (m_image)
            m_api.disposeImage(m_image);
    }
    GpImage* get() const { return m_image; }

private:
    const Functions& m_api;
    GpImage* m_image;
};

// Deletes a graphics context at the end of a scope.
class GraphicsOwner {
public:
    GraphicsOwner(const Functions& api, GpGraphics* graphics) : m_api(api), m_graphics(graphics) {}
    GraphicsOwner(const GraphicsOwner&) = delete;
    GraphicsOwner& operator=(const GraphicsOwner&) = delete;
    ~GraphicsOwner() {
        if (m_graphics)
            m_api.deleteGraphics(m_graphics);
    }
    GpGraphics* get() const { return m_graphics; }

private:
    const Functions& m_api;
    GpGraphics* m_graphics;
};

} // namespace gdiplus
