#include "window_place.h"

namespace {

// Under the product's key, as its other programs would keep theirs.
constexpr const char* kKey = "Software\\Setup Launcher\\Setup Designer";
constexpr const char* kValue = "WindowPlacement";

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (m_key)
            ::RegCloseKey(m_key);
    }
    HKEY* out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

bool RestoreWindowPlace(HWND window, int showCommand) {
    RegistryKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS)
        return false;
    WINDOWPLACEMENT place{};
    DWORD type = 0, size = sizeof place;
    if (::RegQueryValueExA(key.get(), kValue, nullptr, &type, reinterpret_cast<BYTE*>(&place),
                           &size) != ERROR_SUCCESS ||
        type != REG_BINARY || size != sizeof place || place.length != sizeof place)
        return false;
    if (!::MonitorFromRect(&place.rcNormalPosition, MONITOR_DEFAULTTONULL))
        return false;
    if (place.showCmd != SW_SHOWMAXIMIZED)
        place.showCmd = showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    return ::SetWindowPlacement(window, &place) != FALSE;
}

void RememberWindowPlace(HWND window) {
    WINDOWPLACEMENT place{};
    place.length = sizeof place;
    if (!::GetWindowPlacement(window, &place))
        return;
    RegistryKey key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.out(),
                          nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key.get(), kValue, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&place),
                     sizeof place);
}
