#include "forms/form_buttons.h"

#include "app/setup_ini.h"

FormButtons::FormButtons() = default;
FormButtons::FormButtons(FormButtons&&) noexcept = default;
FormButtons& FormButtons::operator=(FormButtons&&) noexcept = default;
FormButtons::~FormButtons() = default;

FormButtons ReadFormButtons(const std::string& formName, const std::string& language) {
    FormButtons form;
    form.count = ButtonsToBuild(ReadIniInt(formName, "buttonCount", kDefaultButtonCount));
    for (int number = 1; number <= form.count; ++number) {
        ButtonSettings& button = form.buttons[number - 1];
        const std::string section = ButtonSectionName(formName, number);
        button.caption = ReadIniString(language, ReadIniValue(section, "label"));
        button.url = ReadIniValue(section, "url");
        button.args = ReadIniValue(section, "args");
        button.action = ReadIniValue(section, "action");
        button.face = ReadIniValue(section, "font");
        button.bounds =
            ButtonRectangle(ReadIniInt(section, "x", 0), ReadIniInt(section, "y", 0),
                            ReadIniInt(section, "width", 0), ReadIniInt(section, "height", 0));
    }
    return form;
}
