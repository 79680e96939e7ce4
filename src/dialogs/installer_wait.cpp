#include "dialogs/installer_wait.h"

#include <algorithm>

namespace {

// How often the idle state is asked for: it cannot be waited on together with messages.
constexpr DWORD kIdlePollMs = 50;

bool IsUserInput(UINT msg) {
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) ||
           (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCXBUTTONDBLCLK);
}

// Dispatches what is queued; remembers a quit message for later.
class MessageDispatch {
public:
    MessageDispatch() = default;
    MessageDispatch(const MessageDispatch&) = delete;
    MessageDispatch& operator=(const MessageDispatch&) = delete;
    ~MessageDispatch() {
        if (m_quit)
            ::PostQuitMessage(static_cast<int>(m_quitCode));
    }

    void DispatchQueued() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                m_quit = true;
                m_quitCode = msg.wParam;
            } else if (!IsUserInput(msg.message)) {
                ::DispatchMessageA(&msg);
            }
        }
    }

private:
    bool m_quit = false;
    WPARAM m_quitCode = 0;
};

InstallerWait StateAtLimit(HANDLE process) {
    switch (::WaitForSingleObject(process, 0)) {
    case WAIT_OBJECT_0:
        return InstallerWait::Ended;
    case WAIT_TIMEOUT:
        return InstallerWait::StillRunning;
    default:
        return InstallerWait::Failed;
    }
}

} // namespace

InstallerWait WaitForInstaller(HANDLE process, DWORD limitMs) {
    MessageDispatch messages;
    const DWORD start = ::GetTickCount();
    bool idle = false;
    for (;;) {
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= limitMs)
            return StateAtLimit(process);
        // WAIT_FAILED means there is no input state to wait for (a console
        // program, or no message queue): the wait goes on to the end.
        if (!idle)
            idle = ::WaitForInputIdle(process, 0) != WAIT_TIMEOUT;
        const DWORD remaining = limitMs - elapsed;
        const DWORD slice = idle ? remaining : std::min(remaining, kIdlePollMs);
        switch (
            ::MsgWaitForMultipleObjectsEx(1, &process, slice, QS_ALLINPUT, MWMO_INPUTAVAILABLE)) {
        case WAIT_OBJECT_0:
            return InstallerWait::Ended;
        case WAIT_OBJECT_0 + 1:
            messages.DispatchQueued();
            break;
        case WAIT_TIMEOUT:
            break;
        default:
            return InstallerWait::Failed;
        }
    }
}
