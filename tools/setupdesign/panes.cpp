#include "panes.h"

#include "form_canvas.h"

// Until the panes exist, the canvas and the list of forms are the whole window.
struct DesignerPanes::Parts {};

DesignerPanes::DesignerPanes() = default;
DesignerPanes::~DesignerPanes() = default;

void DesignerPanes::Create(DesignSession&, HWND, FormCanvas&) {}

void DesignerPanes::Destroy() {
    m_parts.clear();
}

void DesignerPanes::Refresh() {}

void DesignerPanes::Layout(const RECT&, const RECT&) {}

std::vector<HWND> DesignerPanes::Windows() const {
    return {};
}
