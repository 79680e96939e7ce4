#include "framework/com_apartment.h"

#include "framework/dll_safety.h"

ComApartment::ComApartment(DWORD model) : m_ole32(LoadSystemLibrary("ole32.dll")) {
    using InitializeFn = HRESULT(WINAPI*)(LPVOID, DWORD);
    const auto initialize = m_ole32 ? reinterpret_cast<InitializeFn>(reinterpret_cast<void*>(
                                          ::GetProcAddress(m_ole32, "CoInitializeEx")))
                                    : nullptr;
    // S_FALSE joins too (and must be balanced); another model already chosen does not.
    m_joined = initialize && SUCCEEDED(initialize(nullptr, model));
}

ComApartment::~ComApartment() {
    using UninitializeFn = void(WINAPI*)();
    if (const auto uninitialize =
            m_joined ? reinterpret_cast<UninitializeFn>(
                           reinterpret_cast<void*>(::GetProcAddress(m_ole32, "CoUninitialize")))
                     : nullptr)
        uninitialize();
}
