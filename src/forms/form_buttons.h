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

// The form section's "buttonCount" and each counted button's section, read
// through `profile`: Value(section, key) gives a setting as written (empty when
// missing), Text(section, key) a localised text, Int(section, key, default) an
// integer. The launcher reads Setup.ini on the disk; the designer its document.
template <class Profile>
[[gnu::always_inline]] inline FormButtons ReadFormButtonsFrom(const Profile& profile,
                                                              const std::string& formName,
                                                              const std::string& language) {
    FormButtons form;
    form.count = ButtonsToBuild(profile.Int(formName, "buttonCount", kDefaultButtonCount));
    for (int number = 1; number <= form.count; ++number) {
        ButtonSettings& button = form.buttons[number - 1];
        const std::string section = ButtonSectionName(formName, number);
        button.caption = profile.Text(language, profile.Value(section, "label"));
        button.url = profile.Value(section, "url");
        button.args = profile.Value(section, "args");
        button.action = profile.Value(section, "action");
        button.face = profile.Value(section, "font");
        button.bounds =
            ButtonRectangle(profile.Int(section, "x", 0), profile.Int(section, "y", 0),
                            profile.Int(section, "width", 0), profile.Int(section, "height", 0));
    }
    return form;
}

// The same from Setup.ini beside the program.
FormButtons ReadFormButtons(const std::string& formName, const std::string& language);
