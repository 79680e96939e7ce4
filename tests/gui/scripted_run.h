// The one way an in-process test checks a dialog from inside its modal run:
// the script runs once the dialog shows; what it posts, and what that posts in
// turn, is handled next; then, if the dialog is still open, it ends with
// kStillOpen. The run ends on the script's last step, however busy the
// machine: work that comes from another thread or process the script awaits
// itself (PumpMessagesUntil). RunScript
// fails the test when the dialog did not open or the script did not run to its
// end, so checks inside the script cannot pass unrun.
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
            // Queued behind what the script posted.
            ::PostMessageA(this->m_hWnd, kScriptDone, 0, 0);
            result = 0;
            return true;
        }
        if (msg == kScriptDone) {
            // Also behind what the script's messages posted in turn (the dialog
            // manager answers WM_CLOSE by posting IDCANCEL).
            if (HIWORD(::GetQueueStatus(QS_POSTMESSAGE)))
                ::PostMessageA(this->m_hWnd, kScriptDone, 0, 0);
            else
                this->EndDialog(static_cast<int>(kStillOpen));
            result = 0;
            return true;
        }
        return Base::OnMessage(msg, wParam, lParam, result);
    }

private:
    static constexpr UINT kRunScript = WM_APP + 90;
    static constexpr UINT kScriptDone = WM_APP + 91;
    enum class Stage { NotShown, Started, Finished };

    std::function<void(Self&)> m_script;
    Stage m_stage = Stage::NotShown;
};
