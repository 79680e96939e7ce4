// The [main] settings of Setup.ini that the forms and dialogs read. The
// application fills them at start-up and makes them the run's; the forms and
// dialogs read them here and so need nothing of the application itself.
#pragma once

#include <string>

struct LauncherSettings {
    std::string m_imageFile;
    std::string m_productName;
    std::string m_versionNumber;
    std::string m_versionFont;
    std::string m_eulaRoot;
    int m_versionX = 0;
    int m_versionY = 0;
    // [main] dpiScaling: forms and dialogs drawn at the display's scale (the
    // default); 0 leaves stretching them to the system.
    bool m_dpiScaling = true;
};

// The settings of the run: the ones made current last, or empty ones.
const LauncherSettings& RunSettings();

// Makes these settings the run's; none brings back the empty ones. The
// settings must stay alive while they are current.
void SetRunSettings(const LauncherSettings* settings);
