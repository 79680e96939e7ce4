// Waiting for the installer while the launcher's windows keep painting.
#pragma once

#include <windows.h>

enum class InstallerWait {
    Ended,        // the process ended within the limit, with any exit code
    StillRunning, // the limit passed first (never idle, or not ended)
    Failed,       // the wait itself failed
};

// Waits until the process is idle waiting for input, then until it ends; both
// waits share the one limit. Meanwhile the thread's messages are dispatched,
// except keyboard and mouse input, which is dropped: the launcher repaints but
// takes no input. A quit message is posted again once the wait is over.
InstallerWait WaitForInstaller(HANDLE process, DWORD limitMs);
