// What the designer's panes share: the medium being designed, its document
// with the history of edits, and what the author has chosen. Panes edit only
// through Edit(), and redraw when told that something changed.
#pragma once

#include "ini_document.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct DesignChoice {
    std::string form = "main"; // the form shown on the canvas
    std::string language;      // a language section's name, as spelt in the file
    std::vector<int> buttons;  // selected buttons, numbered from 1
    bool versionText = false;  // the version text's place is selected
};

class DesignSession {
public:
    explicit DesignSession(std::string folder, IniDocument document)
        : m_folder(std::move(folder)), m_history(std::move(document)) {}

    // The medium's folder, a full path ending in a backslash.
    const std::string& Folder() const { return m_folder; }
    const IniDocument& Document() const { return m_history.Document(); }
    IniHistory& History() { return m_history; }
    DesignChoice& Choice() { return m_choice; }
    const DesignChoice& Choice() const { return m_choice; }

    // One user action on the document; the listeners hear of it when it
    // changed something.
    template <class Change> void Edit(Change&& edit) {
        if (m_history.Apply(std::forward<Change>(edit)))
            Changed();
    }
    void Undo() {
        if (m_history.CanUndo()) {
            m_history.Undo();
            Changed();
        }
    }
    void Redo() {
        if (m_history.CanRedo()) {
            m_history.Redo();
            Changed();
        }
    }
    // Tells every listener: the document or the choice changed.
    void Changed() {
        for (auto& listener : m_listeners)
            listener();
    }
    void Listen(std::function<void()> listener) { m_listeners.push_back(std::move(listener)); }

private:
    std::string m_folder;
    IniHistory m_history;
    DesignChoice m_choice;
    std::vector<std::function<void()>> m_listeners;
};
