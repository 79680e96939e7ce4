// The one way an in-process test checks a dialog from inside its modal run:
// the script runs once the dialog shows; what it posts is handled next; once
// nothing is left to handle and the dialog is still open, it ends with
// kStillOpen. RunScript fails the test when the dialog did not open or the
// script did not run to its end, so checks inside the script cannot pass unrun.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

constexpr INT_PTR kStillOpen = 97;

template <class Self, class Base> class ScriptedRun : public Base {
public:
    using Base::Base;

    // Runs the dialog modally with this script; returns what ended it.
    INT_PTR RunScript(std::function<void(Self&)> script) {
        m_script = std::move(script);
        m_stage = Stage::NotShown;
        const INT_PTR result = this->DoModal();
        EXPECT_TRUE(m_stage == Stage::Finished)
            << (m_stage == Stage::NotShown ? "the dialog did not open"
                                           : "the script did not run to its end")
            << " (the run ended with " << result << ")";
        return result;
    }

    BOOL OnInitDialog() override {
        const BOOL focus = Base::OnInitDialog();
        ::PostMessageA(this->m_hWnd, kRunScript, 0, 0);
        return focus;
    }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (msg == kRunScript) {
            // The dialog manager would show the dialog only once its queue is empty.
            ::ShowWindow(this->m_hWnd, SW_SHOW);
            ::UpdateWindow(this->m_hWnd);
            m_stage = Stage::Started;
            if (m_script)
                m_script(static_cast<Self&>(*this));
            m_stage = Stage::Finished;
            // A timer message comes only once no other message is waiting.
            ::SetTimer(this->m_hWnd, kIdleTimer, kIdleMs, nullptr);
            result = 0;
            return true;
        }
        if (msg == WM_TIMER && wParam == kIdleTimer) {
            ::KillTimer(this->m_hWnd, kIdleTimer);
            this->EndDialog(static_cast<int>(kStillOpen));
            result = 0;
            return true;
        }
        return Base::OnMessage(msg, wParam, lParam, result);
    }

private:
    static constexpr UINT kRunScript = WM_APP + 90;
    static constexpr UINT_PTR kIdleTimer = 0x5C21;
    static constexpr UINT kIdleMs = 20;
    enum class Stage { NotShown, Started, Finished };

    std::function<void(Self&)> m_script;
    Stage m_stage = Stage::NotShown;
};
