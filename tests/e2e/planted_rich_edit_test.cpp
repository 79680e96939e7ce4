// The rich edit library is loaded when the licence opens, not at start-up: a
// copy planted beside the launcher must not be the one that is loaded then.
#include "action_fixture.h"
#include "driver/user_input.h"

namespace {

const char* const kRichEditFiles[] = {"riched20.dll", "riched32.dll"};

// Tells Wine to prefer the rich edit libraries found beside these programs to
// its own (settings of the prefix, read by each process as it starts).
class PreferPlantedRichEdit {
public:
    PreferPlantedRichEdit() {
        for (const char* program : kPrograms) {
            HKEY key = nullptr;
            if (::RegCreateKeyExA(HKEY_CURRENT_USER, OverridesKey(program).c_str(), 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
                continue;
            for (const char* library : {"riched20", "riched32"})
                ::RegSetValueExA(key, library, 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>("native,builtin"),
                                 sizeof "native,builtin");
            ::RegCloseKey(key);
        }
    }
    PreferPlantedRichEdit(const PreferPlantedRichEdit&) = delete;
    PreferPlantedRichEdit& operator=(const PreferPlantedRichEdit&) = delete;
    ~PreferPlantedRichEdit() {
        for (const char* program : kPrograms) {
            ::RegDeleteKeyA(HKEY_CURRENT_USER, OverridesKey(program).c_str());
            ::RegDeleteKeyA(HKEY_CURRENT_USER, (kAppDefaults + std::string(program)).c_str());
        }
    }

private:
    static constexpr const char* kAppDefaults = "Software\\Wine\\AppDefaults\\";
    static constexpr const char* kPrograms[] = {"launcher.exe", "probe.exe"};
    static std::string OverridesKey(const char* program) {
        return kAppDefaults + std::string(program) + "\\DllOverrides";
    }
};

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST_F(ActionTest, OpeningTheLicenceLoadsNoRichEditPlantedBesideTheLauncher) {
    WriteForms({{"clickThru", "prog.exe", ""}}, "", "IDS_LICENSECAPTION=Licence agreement\n");
    const std::string files = E2eFilesFolder();
    for (const char* name : kRichEditFiles)
        ASSERT_TRUE(
            ::CopyFileA((files + "\\canary.dll").c_str(), (folder() + "\\" + name).c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA((files + "\\canary_probe.exe").c_str(),
                            (folder() + "\\probe.exe").c_str(), FALSE));
    PreferPlantedRichEdit prefer;

    // The planting works: a program searching the classic way loads the canary.
    const std::string marker = folder() + "\\riched20.dll.loaded";
    {
        LaunchedProgram probe(folder() + "\\probe.exe", folder(), "riched20.dll");
        ASSERT_TRUE(probe.WaitForExit(kWaitMs).has_value());
    }
    ASSERT_TRUE(Exists(marker)) << "the test's planting does not work";
    ::DeleteFileA(marker.c_str());

    Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    PressButton(Button(form, 1));
    const WindowFacts licence = WaitForWindow(program().id(), "Licence agreement", kWaitMs);
    ASSERT_NE(licence.hwnd, nullptr);
    for (const char* name : kRichEditFiles)
        EXPECT_FALSE(Exists(folder() + "\\" + name + ".loaded")) << name;
}

} // namespace
