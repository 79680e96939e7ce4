// The words a button's keys take: its six actions, and the tokens the launcher
// replaces in its target and parameters for each action.
#pragma once

#include <string>
#include <vector>

// The action words as the author's guide spells them.
const std::vector<std::string>& ActionWords();

enum class TargetField { kUrl, kArgs };

// The tokens the launcher replaces in the field for a button of this action
// word (none for an action that replaces none, or an unknown word).
std::vector<std::string> TokensFor(const std::string& action, TargetField field);
