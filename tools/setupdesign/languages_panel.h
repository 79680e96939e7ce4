// The languages of the medium: every language section's caption texts and
// IDS_ messages in one table (a row a key, a column a language), the chosen
// key's texts editable below it, and a new language made by copying one.
#pragma once

#include "design_session.h"
#include "language_text_rows.h"
#include "pane_window.h"

#include <string>
#include <vector>

class LanguagesPanel : public PaneWindow {
public:
    explicit LanguagesPanel(DesignSession& session) : PaneWindow(session) {}

    void Refresh();

protected:
    void OnCreate() override;
    int Layout(int width, int height, int top) override;
    KeyEdit* FindEdit(int id) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnNotify(const NMHDR& header) override;

private:
    void FillTable();
    // The key of the table's chosen row; empty when none is chosen.
    std::string ChosenKey() const;
    void BindChosenKey();
    void AddLanguage();

    HWND m_tableLabel = nullptr;
    HWND m_table = nullptr;
    HWND m_textsLabel = nullptr;
    LanguageTextRows m_texts;
    HWND m_newLabel = nullptr;
    HWND m_newCode = nullptr;
    HWND m_sourceLabel = nullptr;
    HWND m_source = nullptr;
    HWND m_add = nullptr;
    std::vector<std::string> m_keys;      // the table's rows
    std::vector<std::string> m_languages; // the table's columns after the key's
    bool m_filling = false;
};

// A language section's texts written for another: the same keys and values,
// re-encoded for the new section's code page. Returns how many characters the
// new section's code page could not spell (left out).
int CopyLanguageSection(IniDocument& document, const std::string& from, const std::string& to);
