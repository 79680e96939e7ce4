#include "framework/message_pump.h"

namespace {

bool IsUserInput(UINT msg) {
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) ||
           (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCXBUTTONDBLCLK);
}

} // namespace

InputBlockedDispatch::~InputBlockedDispatch() {
    if (m_quit)
        ::PostQuitMessage(static_cast<int>(m_quitCode));
}

void InputBlockedDispatch::DispatchQueued() {
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
