// One edit per language section of the document for the text of one key,
// side by side, each labelled with its section's name.
#pragma once

#include "key_edit.h"
#include "pane_window.h"

#include <memory>
#include <string>
#include <vector>

class LanguageTextRows {
public:
    LanguageTextRows() = default;
    LanguageTextRows(const LanguageTextRows&) = delete;
    LanguageTextRows& operator=(const LanguageTextRows&) = delete;

    // Makes the rows anew when the language sections changed (their controls
    // numbered from firstId, placed after `after` in the order of Tab), and binds each to the key
    // (none: all disabled). Returns whether the rows were made anew.
    bool Update(PaneWindow& pane, const IniDocument& document, const std::string& key, int firstId,
                HWND after);
    // The edit with this control id; none when it is no row's.
    KeyEdit* Find(int id);
    void Place(RowLayout& layout) const;
    // The width of the widest of the rows' labels.
    int LabelWidth(const PaneWindow& pane) const;
    std::size_t Count() const { return m_rows.size(); }

private:
    struct Row {
        HWND label = nullptr;
        KeyEdit edit;
    };
    void Clear();

    std::vector<std::string> m_sections;
    std::vector<std::unique_ptr<Row>> m_rows;
    int m_firstId = 0;
};
