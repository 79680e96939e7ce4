// An edit control bound to one key of one section: shows its value as Unicode
// text, refuses as it is typed a character the section's encoding cannot
// spell, and writes the text back as one edit of the session.
#pragma once

#include "design_session.h"

#include <windows.h>

#include <string>

class KeyEdit {
public:
    KeyEdit() = default;
    KeyEdit(const KeyEdit&) = delete;
    KeyEdit& operator=(const KeyEdit&) = delete;

    void Attach(HWND edit) { m_edit = edit; }
    HWND Edit() const { return m_edit; }
    const std::string& Section() const { return m_section; }
    const std::string& Key() const { return m_key; }

    // Shows the key's value; text typed and not yet written stays while the
    // key and its value are the same. An empty section or key disables it.
    void Bind(const IniDocument& document, const std::string& section, const std::string& key);
    // Called on every change of the text: takes back a character the encoding
    // cannot spell; returns what to tell the author then, else nothing.
    std::wstring Check();
    // Writes the text when it differs from the document's value.
    void Commit(DesignSession& session);

private:
    void Show(const std::wstring& text);

    HWND m_edit = nullptr;
    std::string m_section;
    std::string m_key;
    std::string m_shownValue; // the document text last shown
    std::wstring m_accepted;  // the edit's text as last accepted
    unsigned m_codePage = 0;
    bool m_showing = false; // the edit's text is being set, not typed
};
