#include "dialogs/installer_wait.h"

#include "framework/message_pump.h"

#include <algorithm>

namespace {

// How often the idle state is asked for: it cannot be waited on together with messages.
constexpr DWORD kIdlePollMs = 50;

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
    InputBlockedDispatch messages;
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
