// The application object: start-up, the [main] settings and the language of the run.
#pragma once

#include "framework/app.h"

#include <string>

class CLauncherApp : public CWinApp {
public:
    // Called once at start-up; runs the first form and returns false, so the
    // program ends when that form closes.
    BOOL InitInstance() override;

    // Reads the [main] keys of Setup.ini into the members below.
    void ReadSettings();
    // Completes m_language from the system when the command line gave none,
    // then fills m_langId and m_installLang.
    void ResolveLanguage();
    // Start-up step 5: the first argument counts when it is exactly two bytes.
    void TakeLanguageArgument(const std::string& firstArgument);

    std::string m_imageFile;
    std::string m_productName;
    std::string m_versionNumber;
    std::string m_versionFont;
    std::string m_eulaRoot;
    std::string m_language;
    std::string m_langId;
    std::string m_installLang;
    int m_versionX = 0;
    int m_versionY = 0;
};

// The one application object.
CLauncherApp& GetLauncherApp();

// The first argument after the program's name on the process command line, or empty.
std::string FirstCommandLineArgument();
