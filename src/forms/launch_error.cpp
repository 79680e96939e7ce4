#include "forms/launch_error.h"

#include "app/formatted_message.h"
#include "app/setup_ini.h"
#include "forms/button_actions.h"
#include "framework/message_box.h"

void ShowLaunchError(const std::string& section, long long shellResult, const std::string& path) {
    switch (ClassifyLaunchResult(shellResult)) {
    case LaunchError::kNone:
        return;
    case LaunchError::kFileNotFound:
        ShowFormattedMessage(section, "IDS_FILENOTFOUND", path);
        return;
    case LaunchError::kNoAssociation:
        AppMessageBox(ReadIniString(section, "IDS_NOFILE_ASSOCIATION"), MB_OK | MB_ICONEXCLAMATION);
        return;
    case LaunchError::kOpenError:
        AppMessageBox(ReadIniString(section, "IDS_FILEOPEN_ERROR"), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
}
