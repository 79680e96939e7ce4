#include "run_outcome.h"

#include "driver/launched_program.h"
#include "driver/user_input.h"
#include "driver/windows_of.h"

#include <cstdio>

namespace {

constexpr unsigned kAnswerMs = 10000;
constexpr unsigned kPollMs = 20;
constexpr unsigned kSettleMs = 1500;
constexpr int kMaxMessages = 8;

bool Answers(HWND window) {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &ignored) != 0;
}

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

// A status the launcher never ends with by itself: an exception code, or the
// runtime's abort.
bool IsCrashStatus(DWORD status) {
    return status != 0;
}

// Visible windows of the process, the enabled one (the top of a modal stack) last.
struct Screenful {
    std::vector<WindowFacts> visible;
    const WindowFacts* messageBox = nullptr;
    const WindowFacts* topForm = nullptr;
};

Screenful LookAt(DWORD processId, std::vector<WindowFacts>& store) {
    store.clear();
    for (const WindowFacts& w : TopLevelWindows(processId))
        if (w.style & WS_VISIBLE)
            store.push_back(w);
    Screenful s;
    s.visible = store;
    for (const WindowFacts& w : store) {
        if (IsMessageBox(w))
            s.messageBox = &w;
        else if (::IsWindowEnabled(w.hwnd))
            s.topForm = &w;
    }
    return s;
}

std::string Shorten(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    return text.size() > 120 ? text.substr(0, 120) + "..." : text;
}

class Watch {
public:
    Watch(LaunchedProgram& program) : m_program(program) {}

    // Polls until a form shows (true), the program ends or time runs out;
    // message boxes met on the way are read and answered with OK.
    bool UntilForm(unsigned milliseconds, RunOutcome& outcome, int& messages) {
        const DWORD start = ::GetTickCount();
        std::vector<WindowFacts> store;
        while (::GetTickCount() - start < milliseconds) {
            if (auto status = m_program.WaitForExit(0)) {
                Ended(*status, messages, outcome);
                return false;
            }
            const Screenful s = LookAt(m_program.id(), store);
            if (s.messageBox && messages < kMaxMessages) {
                outcome.detail +=
                    "message \"" + Shorten(MessageBoxText(s.messageBox->hwnd)) + "\"; ";
                ++messages;
                PressOk(s.messageBox->hwnd);
                ::Sleep(100);
                continue;
            }
            if (s.topForm && !s.messageBox) {
                if (!Answers(s.topForm->hwnd)) {
                    outcome.kind = "hang";
                    outcome.detail += "form does not answer";
                    return false;
                }
                m_form = s.topForm->hwnd;
                m_formTitle = s.topForm->title;
                return true;
            }
            ::Sleep(kPollMs);
        }
        outcome.kind = "hang";
        outcome.detail += "no form and no end within " + std::to_string(milliseconds) + " ms";
        return false;
    }

    // Presses the button in the form on top, then sees what came of it.
    bool Press(int button, RunOutcome& outcome) {
        HWND control = FormButton(m_form, button);
        if (!control) {
            outcome.detail += "no button " + std::to_string(button) + "; ";
            return false;
        }
        PressButton(control);
        ::Sleep(kSettleMs / 3);
        const DWORD start = ::GetTickCount();
        std::vector<WindowFacts> store;
        std::string seen;
        while (::GetTickCount() - start < kSettleMs) {
            if (auto status = m_program.WaitForExit(0)) {
                int none = 0;
                Ended(*status, none, outcome);
                outcome.detail = "pressed, then " + outcome.detail;
                return false;
            }
            const Screenful s = LookAt(m_program.id(), store);
            for (const WindowFacts& w : s.visible)
                if (!Answers(w.hwnd)) {
                    outcome.kind = "hang";
                    outcome.detail += "a window stopped answering after a press";
                    return false;
                }
            if (s.messageBox) {
                outcome.detail +=
                    "press: message \"" + Shorten(MessageBoxText(s.messageBox->hwnd)) + "\"; ";
                PressOk(s.messageBox->hwnd);
                ::Sleep(100);
                continue;
            }
            if (s.topForm && s.topForm->hwnd != m_form) {
                seen = "press: window \"" + Shorten(s.topForm->title) + "\"; ";
                m_form = s.topForm->hwnd;
                break;
            }
            ::Sleep(kPollMs);
        }
        outcome.detail += seen.empty() ? "press: nothing new; " : seen;
        return true;
    }

private:
    void Ended(DWORD status, int messages, RunOutcome& outcome) {
        if (IsCrashStatus(status)) {
            outcome.kind = "crash";
            outcome.detail += "status " + Hex(status);
        } else {
            outcome.kind = messages > 0 ? "message-exit" : "exit";
        }
    }

    LaunchedProgram& m_program;
    HWND m_form = nullptr;
    std::string m_formTitle;
};

} // namespace

RunOutcome RunCase(const std::string& launcher, const CaseRun& run) {
    RunOutcome outcome;
    LaunchedProgram program(Widened(run.folder + "\\" + launcher, CP_UTF8),
                            Widened(run.folder, CP_UTF8));
    if (!program.started()) {
        outcome.kind = "not-started";
        outcome.detail = "error " + std::to_string(::GetLastError());
        return outcome;
    }
    Watch watch(program);
    int messages = 0;
    if (!watch.UntilForm(run.startMs, outcome, messages))
        return outcome;
    outcome.kind = messages > 0 ? "message-window" : "window";
    for (int i = 0; i < run.presses; ++i)
        if (!watch.Press(run.buttonToPress, outcome))
            break;
    if (outcome.kind == "window" || outcome.kind == "message-window")
        if (auto status = program.WaitForExit(0); status && IsCrashStatus(*status)) {
            outcome.kind = "crash";
            outcome.detail += "status " + Hex(*status);
        }
    return outcome;
}
