// An edit control bound to one key of one section (or of several, for buttons
// chosen together): shows its value as Unicode text, refuses as it is typed a
// character the section's encoding cannot spell, and writes what was typed
// back as one edit of the session.
#pragma once

#include "design_session.h"

#include <windows.h>

#include <string>
#include <vector>

class KeyEdit {
public:
    KeyEdit() = default;
    KeyEdit(const KeyEdit&) = delete;
    KeyEdit& operator=(const KeyEdit&) = delete;

    void Attach(HWND edit) { m_edit = edit; }
    HWND Edit() const { return m_edit; }
    // Shows the key's value; text typed and not yet written stays while the
    // key and its value are the same. An empty section or key disables it.
    void Bind(const IniDocument& document, const std::string& section, const std::string& key);
    // The same for the key of several sections: their value when all hold the
    // same, else nothing; what is typed is written to every one.
    void Bind(const IniDocument& document, const std::vector<std::string>& sections,
              const std::string& key);
    // Called on every change of the text: takes back a character the encoding
    // cannot spell; returns what to tell the author then, else nothing.
    std::wstring Check();
    // Writes the text typed when it differs from the document's value.
    void Commit(DesignSession& session);

private:
    void Show(const std::wstring& text);

    HWND m_edit = nullptr;
    std::vector<std::string> m_sections;
    std::string m_key;
    std::vector<std::string> m_shownValues; // the document texts last shown
    std::wstring m_accepted;                // the edit's text as last accepted
    unsigned m_codePage = 0;
    bool m_showing = false; // the edit's text is being set, not typed
    bool m_typed = false;   // the author changed the text since it was shown
};
