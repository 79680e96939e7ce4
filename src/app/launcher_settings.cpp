#include "app/launcher_settings.h"

namespace {

const LauncherSettings kNoSettings{};
const LauncherSettings* g_runSettings = nullptr;

} // namespace

const LauncherSettings& RunSettings() {
    return g_runSettings ? *g_runSettings : kNoSettings;
}

void SetRunSettings(const LauncherSettings* settings) {
    g_runSettings = settings;
}
