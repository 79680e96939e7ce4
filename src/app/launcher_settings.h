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

// The [main] keys, read through a profile (see ReadFormButtonsFrom).
template <class Profile>
[[gnu::always_inline]] inline void ReadLauncherSettingsFrom(const Profile& profile,
                                                            LauncherSettings& to) {
    to.m_imageFile = profile.Value("main", "imageFile");
    to.m_productName = profile.Value("main", "productName");
    to.m_versionNumber = profile.Value("main", "versionNumber");
    to.m_versionFont = profile.Value("main", "versionFont");
    to.m_eulaRoot = profile.Value("main", "eulaRoot");
    to.m_versionX = profile.Int("main", "versionX", 0);
    to.m_versionY = profile.Int("main", "versionY", 0);
    to.m_dpiScaling = profile.Int("main", "dpiScaling", 1) != 0;
}

// The settings of the run: the ones made current last, or empty ones.
const LauncherSettings& RunSettings();

// Makes these settings the run's; none brings back the empty ones. The
// settings must stay alive while they are current.
void SetRunSettings(const LauncherSettings* settings);
