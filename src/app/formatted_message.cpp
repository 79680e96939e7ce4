#include "app/formatted_message.h"

#include "app/setup_ini.h"
#include "app/text_escape.h"
#include "framework/message_box.h"

#include <windows.h>

#include <array>

namespace {

// Frees what FormatMessageA allocated.
struct LocalText {
    char* text = nullptr;
    LocalText() = default;
    LocalText(const LocalText&) = delete;
    LocalText& operator=(const LocalText&) = delete;
    ~LocalText() {
        if (text)
            ::LocalFree(text);
    }
};

} // namespace

std::string FormatLocalisedMessage(const std::string& section, const std::string& key,
                                   const std::string& insert) {
    // An author's typo must not make the formatter read the insert as a
    // number or as wide text: inserts lose their types and are texts alone.
    const std::string pattern = WithoutInsertTypes(ReadIniString(section, key));
    // Only %1 is meant, but a text may name any insert up to %99: every slot
    // the formatter can reach holds a valid, empty text.
    std::array<DWORD_PTR, 99> arguments;
    static const char empty[] = "";
    arguments.fill(reinterpret_cast<DWORD_PTR>(empty));
    arguments[0] = reinterpret_cast<DWORD_PTR>(insert.c_str());

    LocalText formatted;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_ARGUMENT_ARRAY,
        pattern.c_str(), 0, 0, reinterpret_cast<LPSTR>(&formatted.text), 0,
        reinterpret_cast<va_list*>(arguments.data()));
    if (length == 0 || !formatted.text)
        return key + ": " + insert;
    return std::string(formatted.text, length);
}

void ShowFormattedMessage(const std::string& section, const std::string& key,
                          const std::string& insert) {
    AppMessageBox(FormatLocalisedMessage(section, key, insert), MB_OK | MB_ICONEXCLAMATION);
}
