// Keeping the windows painted while the thread is busy with one long task.
#pragma once

#include <windows.h>

// Dispatches the messages queued for the thread, except keyboard and mouse
// input, which is dropped: the windows repaint and answer other programs, but
// the user cannot start anything meanwhile. A quit message is kept and posted
// again when the dispatcher goes.
class InputBlockedDispatch {
public:
    InputBlockedDispatch() = default;
    InputBlockedDispatch(const InputBlockedDispatch&) = delete;
    InputBlockedDispatch& operator=(const InputBlockedDispatch&) = delete;
    ~InputBlockedDispatch();

    void DispatchQueued();

private:
    bool m_quit = false;
    WPARAM m_quitCode = 0;
};
