#include "framework/com_apartment.h"

#include "framework/dll_safety.h"

ComApartment::ComApartment(DWORD model) : m_ole32(LoadSystemLibrary("ole32.dll")) {
    using InitializeFn = HRESULT(WINAPI*)(LPVOID, DWORD);
    const auto initialize = LibraryFunction<InitializeFn>(m_ole32, "CoInitializeEx");
    // S_FALSE joins too (and must be balanced); another model already chosen does not.
    m_joined = initialize && SUCCEEDED(initialize(nullptr, model));
}

ComApartment::~ComApartment() {
    using UninitializeFn = void(WINAPI*)();
    if (m_joined)
        if (const auto uninitialize = LibraryFunction<UninitializeFn>(m_ole32, "CoUninitialize"))
            uninitialize();
}
