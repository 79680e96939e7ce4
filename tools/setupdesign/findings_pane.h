// The checker's findings for the whole medium as it is being edited, brought
// up to date after each edit; choosing one shows its form and language and
// chooses its button.
#pragma once

#include "design_session.h"
#include "findings.h"
#include "pane_window.h"

#include <string>
#include <vector>

class FindingsPane : public PaneWindow {
public:
    explicit FindingsPane(DesignSession& session) : PaneWindow(session) {}

    // Checks the medium again when the document changed since the last check.
    void Refresh();
    const std::vector<Finding>& Findings() const { return m_findings; }
    // The buttons of the form that an error points at: the canvas marks them.
    std::vector<int> ButtonsWithErrors(const std::string& form) const;

protected:
    void OnCreate() override;
    int Layout(int width, int height, int top) override;
    KeyEdit* FindEdit(int id) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnNotify(const NMHDR& header) override;

private:
    void FillList();
    void Show(const Finding& finding);

    HWND m_label = nullptr;
    HWND m_list = nullptr;
    std::vector<Finding> m_findings;
    std::string m_checkedBytes; // the document's bytes the findings are for
    bool m_checked = false;
    bool m_filling = false;
};
