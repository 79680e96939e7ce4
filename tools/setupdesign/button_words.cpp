#include "button_words.h"

#include "app/lead_bytes.h"
#include "forms/button_actions.h"

const std::vector<std::string>& ActionWords() {
    static const std::vector<std::string> words = {"exit", "clickThru", "subform",
                                                   "open", "msgbox",    "sqlexpress"};
    return words;
}

std::vector<std::string> TokensFor(const std::string& action, TargetField field) {
    // Action words are plain ASCII: no code page's lead bytes matter.
    switch (ParseButtonAction(action, LeadByteTable())) {
    case ButtonAction::kOpen:
    case ButtonAction::kClickThru:
        return {"$LANGID", "$LANGUAGE", "$INSTALLLANG"};
    case ButtonAction::kSqlExpress:
        if (field == TargetField::kUrl)
            return {"$LANGUAGE"};
        return {"$LOGFILE", "$PASSWORD"};
    default:
        return {};
    }
}
