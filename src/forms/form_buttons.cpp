#include "forms/form_buttons.h"

#include "app/setup_ini.h"

FormButtons::FormButtons() = default;
FormButtons::FormButtons(FormButtons&&) noexcept = default;
FormButtons& FormButtons::operator=(FormButtons&&) noexcept = default;
FormButtons::~FormButtons() = default;

FormButtons ReadFormButtons(const std::string& formName, const std::string& language) {
    return ReadFormButtonsFrom(ProgramProfile{}, formName, language);
}
