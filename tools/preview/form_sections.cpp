#include "form_sections.h"

#include <windows.h>

#include <algorithm>

namespace {

// The launcher reads at most this many buttons of a form, and the values with
// a buffer of this size.
constexpr int kMaxButtons = 10;
constexpr int kValueBuffer = 260;
constexpr int kDefaultButtonCount = 5;
// Button number n carries the command identifier kFirstButtonId + n - 1.
constexpr int kFirstButtonId = 10000;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

} // namespace

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

FormSections::FormSections(std::string setupIni) : m_setupIni(std::move(setupIni)) {}

std::string FormSections::Read(const std::string& section, const std::string& key) const {
    char value[kValueBuffer] = {};
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value,
                                                    sizeof value, m_setupIni.c_str());
    return std::string(value, length);
}

std::string FormSections::Title() const {
    return Read("main", "productName");
}

std::vector<SubformButton> FormSections::SubformButtonsOf(const std::string& form) const {
    const int count =
        std::min<int>(::GetPrivateProfileIntA(form.c_str(), "buttonCount", kDefaultButtonCount,
                                              m_setupIni.c_str()),
                      kMaxButtons);
    std::vector<SubformButton> buttons;
    for (int number = 1; number <= count; ++number) {
        const std::string section = form + ".button" + std::to_string(number);
        if (EqualIgnoringAsciiCase(Read(section, "action"), "subform"))
            buttons.push_back({kFirstButtonId + number - 1, Read(section, "url")});
    }
    return buttons;
}
