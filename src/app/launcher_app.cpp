#include "app/launcher_app.h"

#include "app/command_line.h"
#include "app/language.h"
#include "app/paths.h"
#include "app/program_folder.h"
#include "app/setup_ini.h"
#include "app/system_code_page.h"
#include "forms/subform_dlg.h"
#include "framework/screen_scale.h"
#include "framework/shell_functions.h"

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
    // Most starts have none: the shell is not loaded to split the line.
    const LPCWSTR commandLine = ::GetCommandLineW();
    if (!HasArguments(commandLine))
        return std::string();
    int count = 0;
    LPWSTR* arguments = shell::CommandLineToArgv(commandLine, &count);
    if (!arguments)
        return std::string();
    std::string first;
    if (count > 1) {
        const int bytes =
            ::WideCharToMultiByte(CP_ACP, 0, arguments[1], -1, nullptr, 0, nullptr, nullptr);
        if (bytes > 1) {
            first.resize(static_cast<size_t>(bytes));
            ::WideCharToMultiByte(CP_ACP, 0, arguments[1], -1, first.data(), bytes, nullptr,
                                  nullptr);
            first.resize(static_cast<size_t>(bytes) - 1);
        }
    }
    ::LocalFree(arguments);
    return first;
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
    if (ReportUnspellableProgramFolder())
        return FALSE;
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
