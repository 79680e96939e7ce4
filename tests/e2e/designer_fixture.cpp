#include "designer_fixture.h"

#include "design_commands.h"
#include "driver/user_input.h"

#include <cstdio>

void DesignerTest::TearDown() {
    if (HasFailure() && m_designer && m_designer->running() && m_frame)
        SaveBmp(CaptureScreen(DescribeWindow(m_frame).screenRect),
                folder() + "\\designer-failure.bmp");
    m_designer.reset();
    LauncherTest::TearDown();
}

void DesignerTest::StartDesigner() {
    m_designer = std::make_unique<LaunchedProgram>(E2eFilesFolder() + "\\setupdesign.exe", folder(),
                                                   folder());
    ASSERT_TRUE(m_designer->started()) << "CreateProcess failed: " << ::GetLastError();
    m_frame = nullptr;
    m_canvas = nullptr;
    ASSERT_TRUE(WaitUntil([this] {
        for (const WindowFacts& window : TopLevelWindows(m_designer->id()))
            if (window.className == kDesignerClass && (window.style & WS_VISIBLE))
                m_frame = window.hwnd;
        m_canvas = m_frame ? ::FindWindowExA(m_frame, nullptr, kCanvasClass, nullptr) : nullptr;
        return m_canvas != nullptr;
    })) << "the designer's window with its canvas did not appear";
    m_designer->WaitUntilIdle(kWaitMs);
}

void DesignerTest::CloseDesigner() {
    ::PostMessageA(m_frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(m_designer->WaitForExit(kWaitMs).has_value()) << "the designer did not end";
}

void DesignerTest::Command(int command, bool wait) const {
    if (wait)
        ::SendMessageA(m_frame, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    else
        ::PostMessageA(m_frame, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

POINT DesignerTest::OnCanvas(int x, int y) {
    return POINT{kCanvasMargin + x, kCanvasMargin + y};
}

void DesignerTest::Drag(POINT from, POINT to) const {
    const auto at = [](POINT p) { return MAKELPARAM(p.x, p.y); };
    ::SendMessageA(m_canvas, WM_LBUTTONDOWN, MK_LBUTTON, at(from));
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        const POINT p{from.x + (to.x - from.x) * step / kSteps,
                      from.y + (to.y - from.y) * step / kSteps};
        ::SendMessageA(m_canvas, WM_MOUSEMOVE, MK_LBUTTON, at(p));
    }
    ::SendMessageA(m_canvas, WM_LBUTTONUP, 0, at(to));
}

void DesignerTest::Key(WPARAM key) const {
    const UINT scan = ::MapVirtualKeyA(UINT(key), 0);
    ::SendMessageA(m_canvas, WM_KEYDOWN, key, 1 | (LPARAM(scan) << 16));
    ::SendMessageA(m_canvas, WM_KEYUP, key, 1 | (LPARAM(scan) << 16) | (3u << 30));
}

std::string DesignerTest::CanvasName() const {
    char text[512] = {};
    ::SendMessageA(m_canvas, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string DesignerTest::ReadFile(const std::string& name) const {
    std::string bytes;
    if (FILE* file = std::fopen((folder() + "\\" + name).c_str(), "rb")) {
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
            bytes.append(chunk, n);
        std::fclose(file);
    }
    return bytes;
}

bool DesignerTest::WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start > milliseconds)
            return false;
        ::Sleep(20);
    }
}
