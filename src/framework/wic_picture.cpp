#include "framework/wic_picture.h"

#include "framework/dll_safety.h"
#include "graphics/pixel_layout.h"

#include <initguid.h> // the few GUIDs used below are defined here, not imported

#include <wincodec.h>
#include <wincodecsdk.h>

namespace {

using CreateFactoryFn = HRESULT(WINAPI*)(UINT, IWICImagingFactory**);

// The factory function of the loaded component; it needs no COM on the calling thread.
CreateFactoryFn FactoryFunction(HMODULE module) {
    return LibraryFunction<CreateFactoryFn>(module, "WICCreateImagingFactory_Proxy");
}

// Releases an interface at the end of a scope.
template <class Interface> class ComOwner {
public:
    ComOwner() = default;
    ComOwner(const ComOwner&) = delete;
    ComOwner& operator=(const ComOwner&) = delete;
    ~ComOwner() {
        if (m_pointer)
            m_pointer->Release();
    }
    Interface* get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    Interface** out() { return &m_pointer; }
    Interface* release() {
        Interface* pointer = m_pointer;
        m_pointer = nullptr;
        return pointer;
    }

private:
    Interface* m_pointer = nullptr;
};

// GDI+'s code for the rows the frame hands out, when they are taken here; 0 otherwise.
std::uint32_t TakenFormat(const GUID& container, const WICPixelFormatGUID& format) {
    const bool png = container == GUID_ContainerFormatPng;
    if (!png && container != GUID_ContainerFormatBmp)
        return 0;
    if (format == GUID_WICPixelFormat24bppBGR)
        return kFormat24bppRgb;
    if (format == GUID_WICPixelFormat32bppBGR)
        return kFormat32bppRgb;
    if (png && format == GUID_WICPixelFormat32bppBGRA)
        return kFormat32bppArgb;
    return 0;
}

// Whether the frame carries a gamma chunk, or might (its metadata unreadable).
bool MayCarryGamma(IWICBitmapFrameDecode* frame) {
    ComOwner<IWICMetadataBlockReader> blocks;
    UINT count = 0;
    if (FAILED(frame->QueryInterface(IID_IWICMetadataBlockReader,
                                     reinterpret_cast<void**>(blocks.out()))) ||
        FAILED(blocks->GetCount(&count)))
        return true;
    for (UINT i = 0; i < count; ++i) {
        ComOwner<IWICMetadataReader> reader;
        GUID format{};
        if (FAILED(blocks->GetReaderByIndex(i, reader.out())) ||
            FAILED(reader->GetMetadataFormat(&format)) || format == GUID_MetadataFormatChunkgAMA)
            return true;
    }
    return false;
}

} // namespace

WicPicture::WicPicture(const wchar_t* path) : m_library(LoadSystemLibrary("windowscodecs.dll")) {
    const CreateFactoryFn createFactory = FactoryFunction(m_library);
    ComOwner<IWICImagingFactory> factory;
    if (!createFactory || FAILED(createFactory(WINCODEC_SDK_VERSION, factory.out())))
        return;
    ComOwner<IWICBitmapDecoder> decoder;
    ComOwner<IWICBitmapFrameDecode> frame;
    GUID container{};
    WICPixelFormatGUID format{};
    if (FAILED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetContainerFormat(&container)) ||
        FAILED(decoder->GetFrame(0, frame.out())) || FAILED(frame->GetPixelFormat(&format)) ||
        FAILED(frame->GetSize(&m_width, &m_height)))
        return;
    m_pixelFormat = TakenFormat(container, format);
    if (m_pixelFormat == 0 || (container == GUID_ContainerFormatPng && MayCarryGamma(frame.get())))
        return;
    m_decoder = decoder.release();
    m_frame = frame.release();
}

WicPicture::~WicPicture() {
    if (m_frame)
        m_frame->Release();
    if (m_decoder)
        m_decoder->Release();
    // A held picture needs none of it: its memory goes back for the rest of the run.
    if (m_library)
        ::FreeLibrary(m_library);
}

bool WicPicture::CopyRowsInto(BYTE* bits, std::size_t pitch) const {
    if (!m_frame || !bits || pitch > MAXUINT)
        return false;
    // One row at a time, each into its place counted from the bottom: the
    // component writes top-down only, and no band buffer is needed this way.
    for (UINT row = 0; row < m_height; ++row) {
        const WICRect line{0, static_cast<INT>(row), static_cast<INT>(m_width), 1};
        BYTE* target = bits + static_cast<std::size_t>(m_height - 1 - row) * pitch;
        if (FAILED(m_frame->CopyPixels(&line, static_cast<UINT>(pitch), static_cast<UINT>(pitch),
                                       target)))
            return false;
    }
    return true;
}
