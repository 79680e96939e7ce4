// Each end-to-end test gets a folder of its own with a copy of launcher.exe,
// writes its Setup.ini and pictures there, starts the launcher and works it
// from outside. The launcher is always ended with the test.
#pragma once

#include "driver/launched_program.h"
#include "driver/screen.h"
#include "driver/windows_of.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// The title every test form carries ([main] productName).
inline const std::string kFormTitle = "E2E Launcher";
inline const std::string kImageFailure = "Failed to load the image for the Launcher.";
constexpr DWORD kWaitMs = 10000;

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::string& folder() const { return m_folder; }
    void WriteFile(const std::string& name, const std::string& bytes) const;
    void WriteSetupIni(const std::string& content) const { WriteFile("Setup.ini", content); }
    // Copies the sample installation folder demo/ into the test's folder.
    void CopySample() const;

    // Starts the launcher of the test's folder, in that folder or another one.
    LaunchedProgram& Start(const std::string& argument = "", const std::string& currentFolder = "");
    LaunchedProgram& program() { return *m_program; }
    // Ends the launcher now (a test that starts something else in its place).
    void EndProgram() { m_program.reset(); }

    // The form once it is shown; fails the test when it does not come.
    WindowFacts WaitForForm();
    // The launcher's message box once it is shown.
    WindowFacts WaitForMessageBox();
    // The form's face once its painting has settled.
    ScreenImage CaptureForm(const WindowFacts& form);

private:
    // Polls until `find` finds a window, the launcher ends or time is up.
    WindowFacts WaitWhileRunning(const std::function<WindowFacts()>& find);

    std::string m_folder;
    std::unique_ptr<LaunchedProgram> m_program;
};

// The prefix's display scale while it lives (each program reads it as it
// starts); the prefix has none of its own.
struct PrefixDpi {
    explicit PrefixDpi(DWORD dpi) {
        ::RegSetKeyValueA(HKEY_CURRENT_USER, kKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
    PrefixDpi(const PrefixDpi&) = delete;
    PrefixDpi& operator=(const PrefixDpi&) = delete;
    ~PrefixDpi() { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, "LogPixels"); }
    static constexpr const char* kKey = "Control Panel\\Desktop";
};

// The folder beside the test program that holds launcher.exe, the sample
// folder and the stand-ins for started programs.
std::string E2eFilesFolder();

// The [main] section of a test: a picture, the test title and a button count.
std::string MainSection(const std::string& imageFile, const std::string& buttonCountLine);

// A 24-bit BMP of one colour.
std::string PlainBmp(int width, int height, uint32_t rgb);
