#include "panes.h"

#include "findings_pane.h"
#include "form_canvas.h"
#include "languages_panel.h"
#include "main_settings_panel.h"
#include "property_panel.h"

#include <algorithm>

struct DesignerPanes::Parts {
    explicit Parts(DesignSession& session)
        : properties(session), settings(session), languages(session), findings(session) {}
    PropertyPanel properties;
    MainSettingsPanel settings;
    LanguagesPanel languages;
    FindingsPane findings;
    DesignSession* session = nullptr;
    FormCanvas* canvas = nullptr;
};

DesignerPanes::DesignerPanes() = default;
DesignerPanes::~DesignerPanes() = default;

void DesignerPanes::Create(DesignSession& session, HWND parent, FormCanvas& canvas) {
    m_parts.clear();
    auto parts = std::make_unique<Parts>(session);
    parts->session = &session;
    parts->canvas = &canvas;
    // A pane the platform refuses is left out; the others still work.
    parts->properties.Create(parent);
    parts->settings.Create(parent);
    parts->findings.Create(parent);
    parts->languages.Create(parent);
    m_parts.push_back(std::move(parts));
    Refresh();
}

void DesignerPanes::Destroy() {
    m_parts.clear();
}

void DesignerPanes::Refresh() {
    if (m_parts.empty())
        return;
    Parts& parts = *m_parts.front();
    parts.properties.Refresh();
    parts.settings.Refresh();
    parts.languages.Refresh();
    parts.findings.Refresh();
    parts.canvas->MarkButtons(parts.findings.ButtonsWithErrors(parts.session->Choice().form));
}

void DesignerPanes::CommitTyping() {
    if (m_parts.empty())
        return;
    Parts& parts = *m_parts.front();
    parts.properties.CommitTyping();
    parts.settings.CommitTyping();
    parts.languages.CommitTyping();
}

void DesignerPanes::Layout(const RECT& side, const RECT& below) {
    if (m_parts.empty())
        return;
    Parts& parts = *m_parts.front();
    const auto place = [](HWND pane, LONG left, LONG top, LONG right, LONG bottom) {
        if (pane)
            ::MoveWindow(pane, left, top, std::max(0L, right - left), std::max(0L, bottom - top),
                         TRUE);
    };
    const LONG split = side.top + (side.bottom - side.top) * 3 / 5;
    place(parts.properties.Handle(), side.left, side.top, side.right, split);
    place(parts.settings.Handle(), side.left, split, side.right, side.bottom);
    const LONG middle = below.left + (below.right - below.left) / 2;
    place(parts.findings.Handle(), below.left, below.top, middle, below.bottom);
    place(parts.languages.Handle(), middle, below.top, below.right, below.bottom);
}

std::vector<HWND> DesignerPanes::Windows() const {
    std::vector<HWND> windows;
    if (m_parts.empty())
        return windows;
    const Parts& parts = *m_parts.front();
    for (HWND pane : {parts.properties.Handle(), parts.settings.Handle(), parts.findings.Handle(),
                      parts.languages.Handle()})
        if (pane)
            windows.push_back(pane);
    return windows;
}
