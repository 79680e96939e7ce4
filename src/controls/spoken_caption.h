// A button's caption as assistive technology reads it: the text as the button
// shows it, on one line.
#pragma once

#include <string>

// Each line break becomes a space; the ampersands that the drawing takes as
// prefixes go ("&&" shows as "&", "&x" as "x").
std::string SpokenCaption(const std::string& caption);
