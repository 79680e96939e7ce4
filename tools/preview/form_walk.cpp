#include "form_walk.h"

#include "driver/screen.h"
#include "driver/user_input.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr DWORD kWaitMs = 10000;
constexpr DWORD kPollMs = 20;

} // namespace

FormWalk::FormWalk(LaunchedProgram& launcher, const FormSections& sections,
                   std::string outputFolder)
    : m_launcher(launcher), m_sections(sections), m_outputFolder(std::move(outputFolder)),
      m_title(sections.Title()) {}

bool FormWalk::Run() {
    const WindowFacts first = WaitForNewForm("main");
    return first.hwnd && Visit(first, "main");
}

bool FormWalk::Visit(const WindowFacts& form, const std::string& name) {
    m_visited.push_back(name);
    m_open.push_back(form.hwnd);
    Save(form, name);
    bool complete = true;
    for (const SubformButton& button : m_sections.SubformButtonsOf(name))
        if (!Visited(button.form))
            complete = OpenAndVisit(form, button) && complete;
    m_open.pop_back();
    return complete;
}

bool FormWalk::OpenAndVisit(const WindowFacts& opener, const SubformButton& button) {
    HWND control = ::GetDlgItem(opener.hwnd, button.commandId);
    if (!control) {
        std::fprintf(stderr, "The button %d that opens \"%s\" is not on the form.\n",
                     button.commandId, button.form.c_str());
        return false;
    }
    PressButton(control);
    const WindowFacts form = WaitForNewForm(button.form);
    if (!form.hwnd)
        return false;
    const bool complete = Visit(form, button.form);
    PostKey(form.hwnd, VK_ESCAPE);
    return WaitUntilClosed(form.hwnd) && complete;
}

WindowFacts FormWalk::WaitForNewForm(const std::string& name) {
    const DWORD start = ::GetTickCount();
    do {
        for (const WindowFacts& window : TopLevelWindows(m_launcher.id()))
            if ((window.style & WS_VISIBLE) && window.title == m_title &&
                std::find(m_open.begin(), m_open.end(), window.hwnd) == m_open.end())
                return window;
        const WindowFacts box = WaitForMessageBox(m_launcher.id(), 0);
        if (box.hwnd) {
            std::fprintf(stderr, "Instead of the form \"%s\", a message: %s\n", name.c_str(),
                         MessageBoxText(box.hwnd).c_str());
            return {};
        }
        ::Sleep(kPollMs);
    } while (m_launcher.running() && ::GetTickCount() - start < kWaitMs);
    std::fprintf(stderr, "The form \"%s\" titled \"%s\" did not open%s.\n", name.c_str(),
                 m_title.c_str(), m_launcher.running() ? "" : ": the launcher ended");
    return {};
}

bool FormWalk::WaitUntilClosed(HWND form) {
    const DWORD start = ::GetTickCount();
    while (::IsWindow(form) && ::IsWindowVisible(form)) {
        if (::GetTickCount() - start > kWaitMs) {
            std::fprintf(stderr, "A form did not close on Escape.\n");
            return false;
        }
        ::Sleep(kPollMs);
    }
    return true;
}

void FormWalk::Save(const WindowFacts& form, const std::string& name) {
    // A busy machine may pause between the window and its buttons' paint.
    m_launcher.WaitUntilIdle(kWaitMs);
    const std::string stem = m_pageNames.StemFor(name);
    SaveBmp(CaptureWhenSettled(form.screenRect), m_outputFolder + "\\" + stem + ".bmp");
    std::printf("%s\t%s\n", stem.c_str(), AnsiToUtf8(name).c_str());
    std::fflush(stdout);
}

bool FormWalk::Visited(const std::string& name) const {
    return std::any_of(m_visited.begin(), m_visited.end(), [&](const std::string& other) {
        return EqualIgnoringAsciiCase(name, other);
    });
}
