#include "key_edit.h"

#include "pane_window.h"
#include "text_codec.h"

void KeyEdit::Bind(const IniDocument& document, const std::string& section,
                   const std::string& key) {
    const std::string value = document.Value(section, key).value_or(std::string());
    const bool same = section == m_section && key == m_key && value == m_shownValue;
    m_section = section;
    m_key = key;
    m_codePage = SectionCodePage(document.Encoding(), section);
    ::EnableWindow(m_edit, !section.empty() && !key.empty());
    if (same)
        return;
    m_shownValue = value;
    Show(DecodeText(value, m_codePage));
}

std::wstring KeyEdit::Check() {
    if (m_showing)
        return std::wstring();
    const std::wstring typed = WindowTextOf(m_edit);
    const EncodedText encoded = EncodeText(typed, m_codePage);
    if (encoded.refused.empty()) {
        m_accepted = typed;
        return std::wstring();
    }
    // Back to the text before the refused character, the caret where it was.
    DWORD start = 0;
    ::SendMessageW(m_edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const std::size_t added =
        typed.size() > m_accepted.size() ? typed.size() - m_accepted.size() : 0;
    Show(m_accepted);
    const DWORD caret = start >= added ? static_cast<DWORD>(start - added) : 0;
    ::SendMessageW(m_edit, EM_SETSEL, caret, caret);
    ::MessageBeep(MB_ICONWARNING);
    return RefusalMessage(encoded, m_section, m_codePage);
}

void KeyEdit::Commit(DesignSession& session) {
    if (m_section.empty() || m_key.empty())
        return;
    const std::string text = EncodeText(WindowTextOf(m_edit), m_codePage).text;
    const std::optional<std::string> value = session.Document().Value(m_section, m_key);
    if (value ? *value == text : text.empty())
        return;
    const std::string section = m_section;
    const std::string key = m_key;
    session.Edit([&](IniDocument& document) { document.SetValue(section, key, text); });
}

void KeyEdit::Show(const std::wstring& text) {
    m_accepted = text;
    m_showing = true;
    ::SetWindowTextW(m_edit, text.c_str());
    m_showing = false;
}
