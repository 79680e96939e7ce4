#include "language_text_rows.h"

#include "language_sections.h"
#include "text_codec.h"

#include <algorithm>

bool LanguageTextRows::Update(PaneWindow& pane, const IniDocument& document, const std::string& key,
                              int firstId, HWND after) {
    const std::vector<std::string> sections = LanguageSections(document);
    const bool remade = sections != m_sections || firstId != m_firstId;
    if (remade) {
        Clear();
        m_sections = sections;
        m_firstId = firstId;
        int id = firstId;
        for (const std::string& section : sections) {
            auto row = std::make_unique<Row>();
            row->label = pane.AddLabel(DecodeName(document, section) + L":");
            row->edit.Attach(pane.AddEdit(id++));
            for (const HWND control : {row->label, row->edit.Edit()}) {
                ::SetWindowPos(control, after, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                after = control;
            }
            m_rows.push_back(std::move(row));
        }
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i]->edit.Bind(document, key.empty() ? std::string() : m_sections[i], key);
    return remade;
}

KeyEdit* LanguageTextRows::Find(int id) {
    const int index = id - m_firstId;
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return nullptr;
    return &m_rows[static_cast<std::size_t>(index)]->edit;
}

int LanguageTextRows::LabelWidth(const PaneWindow& pane) const {
    int widest = 0;
    for (const auto& row : m_rows)
        widest = std::max(widest, pane.WidestText({row->label}));
    return widest;
}

void LanguageTextRows::Place(RowLayout& layout) const {
    for (const auto& row : m_rows)
        layout.Row(row->label, row->edit.Edit());
}

// Only rows made anew are destroyed here; the pane's own end destroys the last.
void LanguageTextRows::Clear() {
    // Out of the list first: an edit losing the focus as it goes finds no row.
    const std::vector<std::unique_ptr<Row>> rows = std::move(m_rows);
    m_rows.clear();
    m_sections.clear();
    for (const auto& row : rows) {
        ::DestroyWindow(row->edit.Edit());
        ::DestroyWindow(row->label);
    }
}
