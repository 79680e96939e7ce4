#include "key_edit.h"

#include "pane_window.h"
#include "text_codec.h"

#include <algorithm>
#include <functional>

void KeyEdit::Bind(const IniDocument& document, const std::string& section,
                   const std::string& key) {
    Bind(document, section.empty() ? std::vector<std::string>() : std::vector{section}, key);
}

void KeyEdit::Bind(const IniDocument& document, const std::vector<std::string>& sections,
                   const std::string& key) {
    std::vector<std::string> values;
    for (const std::string& section : sections)
        values.push_back(document.Value(section, key).value_or(std::string()));
    const bool same = sections == m_sections && key == m_key && values == m_shownValues;
    m_sections = sections;
    m_key = key;
    // The sections bound together are all buttons': one code page.
    m_codePage = SectionCodePage(document.Encoding(), sections.empty() ? "" : sections.front());
    ::EnableWindow(m_edit, !sections.empty() && !key.empty());
    if (same)
        return;
    m_shownValues = values;
    const bool agree =
        std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end();
    Show(agree && !values.empty() ? DecodeText(values.front(), m_codePage) : std::wstring());
}

std::wstring KeyEdit::Check() {
    if (m_showing)
        return std::wstring();
    const std::wstring typed = WindowTextOf(m_edit);
    const EncodedText encoded = EncodeText(typed, m_codePage);
    if (encoded.refused.empty()) {
        m_accepted = typed;
        m_typed = true;
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
    return RefusalMessage(encoded, m_sections.empty() ? "" : m_sections.front(), m_codePage);
}

void KeyEdit::Commit(DesignSession& session) {
    if (m_sections.empty() || m_key.empty() || !m_typed)
        return;
    m_typed = false;
    const std::string text = EncodeText(WindowTextOf(m_edit), m_codePage).text;
    const std::vector<std::string> sections = m_sections;
    const std::string key = m_key;
    // One step; sections that hold the text already keep their lines as they are.
    session.Edit([&](IniDocument& document) {
        for (const std::string& section : sections) {
            const std::optional<std::string> value = document.Value(section, key);
            if (value ? *value != text : !text.empty())
                document.SetValue(section, key, text);
        }
    });
}

void KeyEdit::Show(const std::wstring& text) {
    m_accepted = text;
    m_typed = false;
    m_showing = true;
    ::SetWindowTextW(m_edit, text.c_str());
    m_showing = false;
}
