#include "launcher_fixture.h"

#include "driver/folders.h"
#include "driver/picture_files.h"
#include "driver/user_input.h"

#include <cstdio>

namespace {

std::string FolderOfThisProgram() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string CurrentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    return name;
}

} // namespace

void LauncherTest::SetUp() {
    const std::string base = FolderOfThisProgram();
    const std::string work = base + "e2e_work";
    ::CreateDirectoryA(work.c_str(), nullptr);
    m_folder = work + "\\" + CurrentTestName();
    RemoveTree(m_folder);
    ASSERT_TRUE(::CreateDirectoryA(m_folder.c_str(), nullptr)) << m_folder;
    ASSERT_TRUE(::CopyFileA((base + "e2e_files\\launcher.exe").c_str(),
                            (m_folder + "\\launcher.exe").c_str(), FALSE))
        << "launcher.exe is copied beside the test program at build time";
    // A pointer over a button would change its face in every screenshot.
    MovePointerAway();
}

void LauncherTest::TearDown() {
    if (HasFailure() && m_program && m_program->running()) {
        for (const WindowFacts& window : TopLevelWindows(m_program->id()))
            if (window.style & WS_VISIBLE)
                SaveBmp(CaptureScreen(window.screenRect), m_folder + "\\failure.bmp");
    }
    m_program.reset(); // ends the launcher if it still runs
    // A failed test's folder stays for a look; a passed one is cleared away.
    if (!HasFailure())
        RemoveTree(m_folder);
}

void LauncherTest::WriteFile(const std::string& name, const std::string& bytes) const {
    const std::string path = m_folder + "\\" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void LauncherTest::CopySample() const {
    const std::string sample = FolderOfThisProgram() + "e2e_files\\demo";
    ASSERT_NE(::GetFileAttributesA((sample + "\\Setup.ini").c_str()), INVALID_FILE_ATTRIBUTES)
        << "demo/ is copied beside the test program at build time";
    CopyTree(sample, m_folder);
}

LaunchedProgram& LauncherTest::Start(const std::string& argument,
                                     const std::string& currentFolder) {
    m_program = std::make_unique<LaunchedProgram>(
        m_folder + "\\launcher.exe", currentFolder.empty() ? m_folder : currentFolder, argument);
    EXPECT_TRUE(m_program->started()) << "CreateProcess failed: " << ::GetLastError();
    return *m_program;
}

WindowFacts LauncherTest::WaitForForm() {
    const WindowFacts form =
        WaitWhileRunning([this] { return WaitForWindow(m_program->id(), kFormTitle, 0); });
    EXPECT_NE(form.hwnd, nullptr) << "no window titled \"" << kFormTitle << "\" appeared";
    return form;
}

WindowFacts LauncherTest::WaitForMessageBox() {
    return WaitWhileRunning([this] { return ::WaitForMessageBox(m_program->id(), 0); });
}

WindowFacts LauncherTest::WaitWhileRunning(const std::function<WindowFacts()>& find) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        const WindowFacts found = find();
        if (found.hwnd || !m_program->running() || ::GetTickCount() - start > kWaitMs)
            return found;
        ::Sleep(20);
    }
}

ScreenImage LauncherTest::CaptureForm(const WindowFacts& form) {
    // A busy machine may pause between the window and its buttons' paint.
    m_program->WaitUntilIdle(kWaitMs);
    return CaptureWhenSettled(form.screenRect);
}

std::string E2eFilesFolder() {
    return FolderOfThisProgram() + "e2e_files";
}

std::string MainSection(const std::string& imageFile, const std::string& buttonCountLine) {
    return "[main]\nimageFile=" + imageFile + "\nproductName=" + kFormTitle + "\n" +
           buttonCountLine + "\n";
}

std::string PlainBmp(int width, int height, uint32_t rgb) {
    const Rgba colour{uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), 255};
    return EncodeBmp24(Picture(width, height, colour));
}
