// A lock of the platform's own, with a scope that holds it.
#pragma once

#include <windows.h>

class CriticalSection {
public:
    CriticalSection() { ::InitializeCriticalSection(&m_section); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;
    ~CriticalSection() { ::DeleteCriticalSection(&m_section); }

    void Lock() { ::EnterCriticalSection(&m_section); }
    void Unlock() { ::LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION m_section;
};

// Holds the lock from construction to the end of the scope.
class CriticalSectionScope {
public:
    explicit CriticalSectionScope(CriticalSection& section) : m_section(section) { m_section.Lock(); }
    CriticalSectionScope(const CriticalSectionScope&) = delete;
    CriticalSectionScope& operator=(const CriticalSectionScope&) = delete;
    ~CriticalSectionScope() { m_section.Unlock(); }

private:
    CriticalSection& m_section;
};
