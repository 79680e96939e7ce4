#include "framework/gdiplus_runtime.h"

#include "framework/critical_section.h"
#include "framework/dll_safety.h"

namespace gdiplus {
namespace {

struct StartupInput {
    UINT32 version;
    void* debugEventCallback;
    BOOL suppressBackgroundThread;
    BOOL suppressExternalCodecs;
};

using StartupFn = Status(WINAPI*)(ULONG_PTR*, const StartupInput*, void*);
using ShutdownFn = void(WINAPI*)(ULONG_PTR);

struct State {
    CriticalSection lock;
    int holders = 0;
    HMODULE module = nullptr;
    ULONG_PTR token = 0;
    bool started = false;
    ShutdownFn shutdown = nullptr;
    Functions functions{};
};

State& TheState() {
    static State state;
    return state;
}

template <class Fn> bool Resolve(HMODULE module, const char* name, Fn& function) {
    function = LibraryFunction<Fn>(module, name);
    return function != nullptr;
}

bool ResolveAll(HMODULE module, Functions& f) {
    return Resolve(module, "GdipCreateBitmapFromFile", f.createBitmapFromFile) &&
           Resolve(module, "GdipGetImagePixelFormat", f.getImagePixelFormat) &&
           Resolve(module, "GdipGetImageWidth", f.getImageWidth) &&
           Resolve(module, "GdipGetImageHeight", f.getImageHeight) &&
           Resolve(module, "GdipGetImagePaletteSize", f.getImagePaletteSize) &&
           Resolve(module, "GdipGetImagePalette", f.getImagePalette) &&
           Resolve(module, "GdipBitmapLockBits", f.bitmapLockBits) &&
           Resolve(module, "GdipBitmapUnlockBits", f.bitmapUnlockBits) &&
           Resolve(module, "GdipCreateBitmapFromScan0", f.createBitmapFromScan0) &&
           Resolve(module, "GdipGetImageGraphicsContext", f.getImageGraphicsContext) &&
           Resolve(module, "GdipSetCompositingMode", f.setCompositingMode) &&
           Resolve(module, "GdipDrawImageRectI", f.drawImageRectI) &&
           Resolve(module, "GdipCreateBitmapFromHBITMAP", f.createBitmapFromHBITMAP) &&
           Resolve(module, "GdipSetInterpolationMode", f.setInterpolationMode) &&
           Resolve(module, "GdipSetPixelOffsetMode", f.setPixelOffsetMode) &&
           Resolve(module, "GdipCreateImageAttributes", f.createImageAttributes) &&
           Resolve(module, "GdipSetImageAttributesWrapMode", f.setImageAttributesWrapMode) &&
           Resolve(module, "GdipDisposeImageAttributes", f.disposeImageAttributes) &&
           Resolve(module, "GdipDrawImageRectRectI", f.drawImageRectRectI) &&
           Resolve(module, "GdipDeleteGraphics", f.deleteGraphics) &&
           Resolve(module, "GdipDisposeImage", f.disposeImage);
}

} // namespace

void Runtime::AddHolder() {
    State& state = TheState();
    CriticalSectionScope guard(state.lock);
    ++state.holders;
}

void Runtime::RemoveHolder() {
    State& state = TheState();
    CriticalSectionScope guard(state.lock);
    if (--state.holders > 0 || !state.started)
        return;
    state.shutdown(state.token);
    state.started = false;
    state.token = 0;
    // With it go the image codecs it loaded.
    ::FreeLibrary(state.module);
    state.module = nullptr;
}

const Functions* Runtime::Start() {
    State& state = TheState();
    CriticalSectionScope guard(state.lock);
    if (state.started)
        return &state.functions;
    if (!state.module) {
        HMODULE module = LoadSystemLibrary("gdiplus.dll");
        if (!module)
            return nullptr;
        Functions functions{};
        if (!ResolveAll(module, functions) || !Resolve(module, "GdiplusShutdown", state.shutdown)) {
            ::FreeLibrary(module);
            return nullptr;
        }
        state.module = module;
        state.functions = functions;
    }
    StartupFn startup = nullptr;
    if (!Resolve(state.module, "GdiplusStartup", startup))
        return nullptr;
    const StartupInput input{1, nullptr, FALSE, FALSE};
    if (startup(&state.token, &input, nullptr) != kOk)
        return nullptr;
    state.started = true;
    return &state.functions;
}

} // namespace gdiplus
