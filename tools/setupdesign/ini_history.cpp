#include "ini_document.h"

IniHistory::IniHistory(IniDocument document) : m_states{document}, m_saved(std::move(document)) {}

const IniDocument& IniHistory::Document() const {
    return m_states[m_current];
}

bool IniHistory::Push(IniDocument next) {
    if (next == Document())
        return false;
    m_states.resize(m_current + 1); // the steps undone are gone
    m_states.push_back(std::move(next));
    ++m_current;
    return true;
}

bool IniHistory::CanUndo() const {
    return m_current > 0;
}

bool IniHistory::CanRedo() const {
    return m_current + 1 < m_states.size();
}

void IniHistory::Undo() {
    if (CanUndo())
        --m_current;
}

void IniHistory::Redo() {
    if (CanRedo())
        ++m_current;
}

bool IniHistory::Modified() const {
    return Document() != m_saved;
}

void IniHistory::MarkSaved() {
    m_saved = Document();
}
