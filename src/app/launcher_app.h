// The application object: start-up, the [main] settings and the language of the run.
#pragma once

#include "app/launcher_settings.h"
#include "framework/app.h"

#include <string>

// The application holds the run's settings and makes them current while it lives.
class CLauncherApp : public CWinApp, public LauncherSettings {
public:
    CLauncherApp();
    ~CLauncherApp() override;

    // Called once at start-up; runs the first form and returns false, so the
    // program ends when that form closes.
    BOOL InitInstance() override;

    // Reads the [main] keys of Setup.ini into the settings.
    void ReadSettings();
    // Completes m_language from the system when the command line gave none,
    // then fills m_langId and m_installLang.
    void ResolveLanguage();
    // Start-up step 5: the first argument counts when it is exactly two bytes.
    void TakeLanguageArgument(const std::string& firstArgument);

    std::string m_language;
    std::string m_langId;
    std::string m_installLang;
};

// The first argument after the program's name on the process command line, or empty.
std::string FirstCommandLineArgument();

// Tells the user, when the code page cannot spell the folder (the program's)
// in any form, that the medium must be copied to a folder of plain Latin
// letters. True when it did (the program then ends).
bool ReportUnspellableFolder(const wchar_t* folder);
