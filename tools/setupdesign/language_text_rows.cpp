#include "language_text_rows.h"

#include "language_sections.h"
#include "text_codec.h"

LanguageTextRows::~LanguageTextRows() {
    Clear();
}

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
            const unsigned codePage = SectionCodePage(document.Encoding(), section);
            row->label = pane.AddLabel(DecodeText(section, codePage) + L":");
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

void LanguageTextRows::Place(RowLayout& layout) const {
    for (const auto& row : m_rows)
        layout.Row(row->label, row->edit.Edit());
}

void LanguageTextRows::Clear() {
    for (const auto& row : m_rows) {
        if (::IsWindow(row->edit.Edit()))
            ::DestroyWindow(row->edit.Edit());
        if (::IsWindow(row->label))
            ::DestroyWindow(row->label);
    }
    m_rows.clear();
    m_sections.clear();
}

std::wstring HandleKeyEditCommand(KeyEdit& edit, int code, DesignSession& session) {
    if (code == EN_CHANGE)
        return edit.Check();
    if (code == EN_KILLFOCUS)
        edit.Commit(session);
    return std::wstring();
}
