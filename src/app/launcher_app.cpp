#include "app/launcher_app.h"

#include "app/command_line_arguments.h"
#include "app/language.h"
#include "app/paths.h"
#include "app/program_folder.h"
#include "app/setup_ini.h"
#include "app/system_code_page.h"
#include "forms/subform_dlg.h"
#include "framework/message_box.h"
#include "framework/narrow_text.h"
#include "framework/screen_scale.h"

#include <windows.h>

#include <optional>

namespace {

// The system default locale and its ISO 639 name, answered in the ANSI code page.
constexpr LCID kSystemDefaultLocale = 0x0800;
constexpr LCTYPE kIsoLanguageName = 0x40000059;

std::optional<std::string> SystemLanguageName() {
    char name[10] = {};
    if (::GetLocaleInfoA(kSystemDefaultLocale, kIsoLanguageName, name, sizeof name) == 0 ||
        name[0] == '\0')
        return std::nullopt;
    return std::string(name);
}

} // namespace

CLauncherApp::CLauncherApp() {
    SetRunSettings(this);
}

CLauncherApp::~CLauncherApp() {
    if (&RunSettings() == this)
        SetRunSettings(nullptr);
}

std::string FirstCommandLineArgument() {
    return NarrowText(CommandLineArguments()[1]);
}

bool ReportUnspellableFolder(const wchar_t* folder) {
    if (!*folder || !AnsiPath(folder).empty())
        return false;
    wchar_t text[kMaxPathBytes + 256] = L"The launcher cannot read its folder\n\n";
    ::lstrcatW(text, folder);
    ::lstrcatW(text, L"\n\nbecause this system cannot spell its name. Copy the installation "
                     L"medium to a folder of plain Latin letters and start it from there.");
    AppMessageBoxWide(text, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

void CLauncherApp::ReadSettings() {
    ReadLauncherSettingsFrom(ProgramProfile{}, *this);
}

void CLauncherApp::TakeLanguageArgument(const std::string& firstArgument) {
    m_language = LanguageFromArgument(firstArgument);
}

void CLauncherApp::ResolveLanguage() {
    const std::optional<std::string> systemName =
        m_language.size() == 2 ? std::nullopt : SystemLanguageName();
    RunLanguage run = ::ResolveLanguage(m_language, systemName, CurrentLeadBytes());
    m_language = std::move(run.language);
    m_langId = std::move(run.langId);
    m_installLang = std::move(run.installLang);
}

BOOL CLauncherApp::InitInstance() {
    CWinApp::InitInstance();
    if (ReportUnspellableFolder(GetProgramFolderWide().data()))
        return FALSE;
    DetectSetupIniEncoding();
    ReadSettings();
    // Declared here, not in the manifest, so that Setup.ini can leave it out.
    if (m_dpiScaling)
        DeclareScaleAware();
    TakeLanguageArgument(FirstCommandLineArgument());
    ResolveLanguage();

    // The first form; when its modal run ends, the program ends.
    {
        CSubformDlg form(m_language, m_langId, m_installLang, "main", nullptr);
        // Its settings and picture are read while its window is made. Started
        // after the form is made: looking up its icon would wait while the
        // picture's worker loads the decoder's libraries.
        CFormPreload preload("main", m_language,
                             JoinPath(GetProgramFolder(), m_imageFile, CurrentLeadBytes()));
        form.UsePreload(&preload);
        m_pMainWnd = &form;
        form.DoModal();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
