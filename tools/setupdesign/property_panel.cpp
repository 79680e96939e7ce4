#include "property_panel.h"

#include "button_words.h"
#include "ini_line_index.h"
#include "text_codec.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <type_traits>

namespace {

enum ControlId {
    kLabelKeyId = 101,
    kActionId,
    kUrlId,
    kUrlTokensId,
    kArgsId,
    kArgsTokensId,
    kFontId,
    kFirstCaptionId = 1000,
};

std::wstring Widened(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

} // namespace

void PropertyPanel::OnCreate() {
    m_title = AddControl(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, -1);
    m_labelKeyLabel = AddLabel(L"Caption &key:");
    m_labelKey.Attach(AddEdit(kLabelKeyId));
    m_captionsTitle = AddLabel(L"Caption in each language:");
    m_actionLabel = AddLabel(L"Ac&tion:");
    m_action = AddControl(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kActionId);
    m_urlLabel = AddLabel(L"Tar&get (url):");
    m_url.Attach(AddEdit(kUrlId));
    m_urlTokens =
        AddControl(L"BUTTON", L"Tokens...", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, kUrlTokensId);
    m_argsLabel = AddLabel(L"Pa&rameters (args):");
    m_args.Attach(AddEdit(kArgsId));
    m_argsTokens =
        AddControl(L"BUTTON", L"Tokens...", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, kArgsTokensId);
    m_fontLabel = AddLabel(L"Face (f&ont):");
    m_font.Attach(AddEdit(kFontId));
    m_buttonCount = AddControl(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, -1);
    AddStatusLine();
    Refresh();
}

int PropertyPanel::Layout(int width, int height, int top) {
    (void)height;
    const int labels =
        std::max(WidestText({m_labelKeyLabel, m_actionLabel, m_urlLabel, m_argsLabel, m_fontLabel}),
                 m_captions.LabelWidth(*this));
    RowLayout rows(width, labels, RowHeight(), Scaled(6), top);
    rows.Whole(m_title);
    rows.Row(m_labelKeyLabel, m_labelKey.Edit());
    rows.Whole(m_captionsTitle);
    m_captions.Place(rows);
    rows.Row(m_actionLabel, m_action);
    const int tokens = WidestText({m_urlTokens, m_argsTokens}) + Scaled(16);
    rows.Row(m_urlLabel, m_url.Edit(), m_urlTokens, tokens);
    rows.Row(m_argsLabel, m_args.Edit(), m_argsTokens, tokens);
    rows.Row(m_fontLabel, m_font.Edit());
    rows.Whole(m_buttonCount);
    PlaceStatusLine(rows);
    // The drop-down list needs room below its box.
    RECT box{};
    ::GetWindowRect(m_action, &box);
    ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&box), 2);
    ::MoveWindow(m_action, box.left, box.top, box.right - box.left, RowHeight() * 8, FALSE);
    return rows.Height();
}

std::string PropertyPanel::ButtonSection() const {
    const DesignChoice& choice = m_session.Choice();
    if (choice.buttons.empty())
        return std::string();
    return choice.form + ".button" + std::to_string(choice.buttons.front());
}

std::vector<std::string> PropertyPanel::ButtonSections() const {
    std::vector<std::string> sections;
    for (const int button : m_session.Choice().buttons)
        sections.push_back(m_session.Choice().form + ".button" + std::to_string(button));
    return sections;
}

void PropertyPanel::Refresh() {
    if (!m_hwnd)
        return;
    const IniDocument& document = m_session.Document();
    const DesignChoice& choice = m_session.Choice();
    const std::string section = ButtonSection();
    const std::wstring form = DecodeName(document, choice.form);
    std::wstring title = L"Form " + form;
    if (choice.versionText)
        title = L"The version text: its keys are among the [main] settings";
    if (!section.empty())
        title = L"Button " + std::to_wstring(choice.buttons.front()) + L" of form " + form;
    if (choice.buttons.size() > 1)
        title = std::to_wstring(choice.buttons.size()) + L" buttons of form " + form +
                L" (caption: the first's)";
    ::SetWindowTextW(m_title, title.c_str());

    m_labelKey.Bind(document, section, "label");
    const std::string labelKey =
        section.empty() ? std::string() : document.Value(section, "label").value_or("");
    if (m_captions.Update(*this, document, labelKey, kFirstCaptionId, m_captionsTitle))
        Relayout();
    const std::vector<std::string> sections = ButtonSections();
    FillActions(sections);
    ::EnableWindow(m_action, !section.empty());
    m_url.Bind(document, sections, "url");
    m_args.Bind(document, sections, "args");
    m_font.Bind(document, sections, "font");
    ::EnableWindow(m_urlTokens, !section.empty());
    ::EnableWindow(m_argsTokens, !section.empty());
    const int count = document.Integer(choice.form, "buttonCount", 5);
    ::SetWindowTextW(m_buttonCount,
                     (L"Buttons on the form (buttonCount): " + std::to_wstring(count)).c_str());
}

void PropertyPanel::FillActions(const std::vector<std::string>& sections) {
    // The buttons' action when they all have the same, else none shown.
    std::string action;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::string word = m_session.Document().Value(sections[i], "action").value_or("");
        if (i > 0 && !SameIniName(word, action))
            return FillActions(std::string());
        action = word;
    }
    FillActions(action);
}

void PropertyPanel::FillActions(const std::string& action) {
    ::SendMessageW(m_action, CB_RESETCONTENT, 0, 0);
    int chosen = -1;
    for (const std::string& word : ActionWords()) {
        const LRESULT index = ::SendMessageW(m_action, CB_ADDSTRING, 0,
                                             reinterpret_cast<LPARAM>(Widened(word).c_str()));
        if (SameIniName(word, action))
            chosen = static_cast<int>(index);
    }
    // A word the launcher does not know is shown as written, so the author sees it.
    if (chosen < 0 && !action.empty())
        chosen = static_cast<int>(::SendMessageW(
            m_action, CB_ADDSTRING, 0,
            reinterpret_cast<LPARAM>(DecodeName(m_session.Document(), action).c_str())));
    ::SendMessageW(m_action, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

void PropertyPanel::WriteAction() {
    const LRESULT index = ::SendMessageW(m_action, CB_GETCURSEL, 0, 0);
    if (index < 0 || index >= static_cast<LRESULT>(ActionWords().size()))
        return;
    const std::string word = ActionWords()[static_cast<std::size_t>(index)];
    const std::vector<std::string> sections = ButtonSections();
    // One step for every chosen button; those with the word already keep their line.
    m_session.Edit([&](IniDocument& document) {
        for (const std::string& section : sections)
            if (document.Value(section, "action") != word)
                document.SetValue(section, "action", word);
    });
}

void PropertyPanel::OfferTokens(KeyEdit& edit, bool arguments, HWND button) {
    const std::string section = ButtonSection();
    if (section.empty())
        return;
    const std::vector<std::string> tokens =
        TokensFor(m_session.Document().Value(section, "action").value_or(""),
                  arguments ? TargetField::kArgs : TargetField::kUrl);
    if (tokens.empty()) {
        Tell(L"The launcher replaces no token in this field for this action.");
        return;
    }
    const std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&::DestroyMenu)> menu(
        ::CreatePopupMenu(), &::DestroyMenu);
    for (std::size_t i = 0; i < tokens.size(); ++i)
        ::AppendMenuW(menu.get(), MF_STRING, i + 1, Widened(tokens[i]).c_str());
    RECT place{};
    ::GetWindowRect(button, &place);
    // Below the button that offers them; the chosen one's number comes back.
    const int taken = static_cast<int>(
        ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                         place.left, place.bottom, 0, m_hwnd, nullptr));
    if (taken <= 0)
        return;
    ::SetFocus(edit.Edit());
    ::SendMessageW(
        edit.Edit(), EM_REPLACESEL, TRUE,
        reinterpret_cast<LPARAM>(Widened(tokens[static_cast<std::size_t>(taken - 1)]).c_str()));
    edit.Commit(m_session);
}

KeyEdit* PropertyPanel::FindEdit(int id) {
    switch (id) {
    case kLabelKeyId:
        return &m_labelKey;
    case kUrlId:
        return &m_url;
    case kArgsId:
        return &m_args;
    case kFontId:
        return &m_font;
    default:
        return m_captions.Find(id);
    }
}

void PropertyPanel::OnCommand(int id, int code, HWND control) {
    (void)control;
    if (id == kActionId && code == CBN_SELCHANGE)
        WriteAction();
    else if (id == kUrlTokensId && code == BN_CLICKED)
        OfferTokens(m_url, false, m_urlTokens);
    else if (id == kArgsTokensId && code == BN_CLICKED)
        OfferTokens(m_args, true, m_argsTokens);
}
