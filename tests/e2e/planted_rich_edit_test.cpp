// The rich edit library is loaded when the licence opens, not at start-up: a
// copy planted beside the launcher must not be the one that is loaded then.
#include "action_fixture.h"
#include "driver/user_input.h"

namespace {

// Wine prefers the rich edit libraries beside these programs to its own while
// this is set (the prefix's settings, read by each process as it starts).
void PreferPlantedRichEdit(bool prefer) {
    for (const std::string program : {"launcher.exe", "probe.exe"}) {
        const std::string key = "Software\\Wine\\AppDefaults\\" + program + "\\DllOverrides";
        ::RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
        HKEY overrides = nullptr;
        if (!prefer || ::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE,
                                         nullptr, &overrides, nullptr) != ERROR_SUCCESS)
            continue;
        for (const char* library : {"riched20", "riched32"})
            ::RegSetValueExA(overrides, library, 0, REG_SZ,
                             reinterpret_cast<const BYTE*>("native,builtin"), 15);
        ::RegCloseKey(overrides);
    }
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST_F(ActionTest, OpeningTheLicenceLoadsNoRichEditPlantedBesideTheLauncher) {
    WriteForms({{"clickThru", "prog.exe", ""}}, "", "IDS_LICENSECAPTION=Licence agreement\n");
    const std::string files = E2eFilesFolder();
    for (const char* name : {"\\riched20.dll", "\\riched32.dll"})
        ASSERT_TRUE(
            ::CopyFileA((files + "\\canary.dll").c_str(), (folder() + name).c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA((files + "\\canary_probe.exe").c_str(),
                            (folder() + "\\probe.exe").c_str(), FALSE));
    PreferPlantedRichEdit(true);
    // The planting works: a program searching the classic way loads the canary.
    LaunchedProgram(folder() + "\\probe.exe", folder(), "riched20.dll").WaitForExit(kWaitMs);
    const bool planted = ::DeleteFileA((folder() + "\\riched20.dll.loaded").c_str());

    Start("EN");
    const WindowFacts form = WaitForForm();
    PressButton(Button(form, 1));
    const bool opened = WaitForWindow(program().id(), "Licence agreement", kWaitMs).hwnd;
    PreferPlantedRichEdit(false);
    ASSERT_TRUE(planted) << "the test's planting does not work";
    EXPECT_TRUE(opened);
    EXPECT_FALSE(Exists(folder() + "\\riched20.dll.loaded"));
    EXPECT_FALSE(Exists(folder() + "\\riched32.dll.loaded"));
}

} // namespace
