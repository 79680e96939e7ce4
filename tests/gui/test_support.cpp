#include "test_support.h"

#include "app/setup_ini.h"

#include <cstdio>

namespace {

MessageBoxWatcher* g_watcher = nullptr;

// The icon a message box shows: the one of its static children that shows an icon.
HICON MessageBoxIcon(HWND box) {
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
    return nullptr;
}

} // namespace

MessageBoxWatcher::MessageBoxWatcher(int answer) : m_answer(answer) {
    g_watcher = this;
    m_hook = ::SetWindowsHookExA(WH_CBT, &MessageBoxWatcher::Hook, nullptr, ::GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
    ::UnhookWindowsHookEx(m_hook);
    g_watcher = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    HWND box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && box && g_watcher) {
        char className[32] = {};
        ::GetClassNameA(box, className, sizeof className);
        if (std::string(className) == "#32770" && ::GetDlgItem(box, 0xFFFF)) {
            char title[512] = {};
            char text[2048] = {};
            ::GetWindowTextA(box, title, sizeof title);
            ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            g_watcher->m_boxes.push_back(
                {title, text, ::GetWindow(box, GW_OWNER), MessageBoxIcon(box)});
            ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(g_watcher->m_answer, BN_CLICKED), 0);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

ScopedSetupIni::ScopedSetupIni(const std::string& content) : m_path(SetupIniPath()) {
    WriteFileBytes(m_path, content);
}

ScopedSetupIni::~ScopedSetupIni() {
    ::DeleteFileA(m_path.c_str());
}

bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > milliseconds)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    }
    return true;
}
