// COM joined by the calling thread for a scope, through ole32 loaded at run time
// from the system folder, like every DLL that is not statically imported.
#pragma once

#include <windows.h>

#include <objbase.h> // COINIT_*

class ComApartment {
public:
    // Joins COM with this model (COINIT_*); a thread that has joined already, or
    // a system without ole32, goes on as it was.
    explicit ComApartment(DWORD model);
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    // Leaves COM again when this scope joined it.
    ~ComApartment();

private:
    HMODULE m_ole32;
    bool m_joined = false;
};
