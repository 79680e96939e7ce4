// What Setup.ini says of a form's buttons, read before any of them is built.
#pragma once

#include "forms/form_layout.h"

#include <array>
#include <string>

struct ButtonSettings {
    std::string caption; // the label's text in the run's language
    std::string url;
    std::string args;
    std::string action;
    std::string face; // the caption's font face; empty for the dialog's own
    PixelRect bounds;
};

struct FormButtons {
    // Out of line: ten buttons' strings are made and freed in one place.
    FormButtons();
    FormButtons(FormButtons&&) noexcept;
    FormButtons& operator=(FormButtons&&) noexcept;
    ~FormButtons();

    int count = 0; // buttons to build, never more than the slots
    std::array<ButtonSettings, kButtonSlots> buttons{};
};

// The form section's "buttonCount" and each counted button's section.
FormButtons ReadFormButtons(const std::string& formName, const std::string& language);
