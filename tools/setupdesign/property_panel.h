// The property panel of the selection: the chosen button's caption key with
// its text in every language side by side, its action, target, parameters and
// face; for the form alone, how many buttons it has.
#pragma once

#include "design_session.h"
#include "key_edit.h"
#include "language_text_rows.h"
#include "pane_window.h"

class PropertyPanel : public PaneWindow {
public:
    explicit PropertyPanel(DesignSession& session) : PaneWindow(session) {}

    // Re-reads the document and the choice.
    void Refresh();

protected:
    void OnCreate() override;
    int Layout(int width, int height, int top) override;
    KeyEdit* FindEdit(int id) override;
    void OnCommand(int id, int code, HWND control) override;

private:
    // The first chosen button's section; empty when no button is chosen.
    std::string ButtonSection() const;
    // Every chosen button's section.
    std::vector<std::string> ButtonSections() const;
    void FillActions(const std::vector<std::string>& sections);
    void FillActions(const std::string& action);
    void WriteAction();
    // Offers the tokens of the button's action for the edit, and inserts the one taken.
    void OfferTokens(KeyEdit& edit, bool arguments, HWND button);

    HWND m_title = nullptr;
    HWND m_labelKeyLabel = nullptr;
    KeyEdit m_labelKey;
    HWND m_captionsTitle = nullptr;
    LanguageTextRows m_captions;
    HWND m_actionLabel = nullptr;
    HWND m_action = nullptr;
    HWND m_urlLabel = nullptr;
    KeyEdit m_url;
    HWND m_urlTokens = nullptr;
    HWND m_argsLabel = nullptr;
    KeyEdit m_args;
    HWND m_argsTokens = nullptr;
    HWND m_fontLabel = nullptr;
    KeyEdit m_font;
    HWND m_buttonCount = nullptr;
};
