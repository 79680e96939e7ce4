#include "property_panel.h"

#include "button_words.h"
#include "ini_line_index.h"
#include "text_codec.h"

#include <commctrl.h>

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
    m_actionLabel = AddLabel(L"&Action:");
    m_action = AddControl(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kActionId);
    m_urlLabel = AddLabel(L"&Target (url):");
    m_url.Attach(AddEdit(kUrlId));
    m_urlTokens = AddControl(L"BUTTON", L"T&oken", WS_TABSTOP | BS_PUSHBUTTON, kUrlTokensId);
    m_argsLabel = AddLabel(L"Pa&rameters (args):");
    m_args.Attach(AddEdit(kArgsId));
    m_argsTokens = AddControl(L"BUTTON", L"Tok&en", WS_TABSTOP | BS_PUSHBUTTON, kArgsTokensId);
    m_fontLabel = AddLabel(L"&Face (font):");
    m_font.Attach(AddEdit(kFontId));
    m_buttonCount = AddControl(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, -1);
    m_status = AddControl(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, -1);
    Refresh();
}

void PropertyPanel::Layout(int width, int height) {
    (void)height;
    RowLayout rows(width, Scaled(110), RowHeight(), Scaled(6));
    rows.Whole(m_title);
    rows.Row(m_labelKeyLabel, m_labelKey.Edit());
    rows.Whole(m_captionsTitle);
    m_captions.Place(rows);
    rows.Row(m_actionLabel, m_action);
    rows.Row(m_urlLabel, m_url.Edit(), m_urlTokens, Scaled(60));
    rows.Row(m_argsLabel, m_args.Edit(), m_argsTokens, Scaled(60));
    rows.Row(m_fontLabel, m_font.Edit());
    rows.Whole(m_buttonCount);
    rows.Whole(m_status, 3);
    // The drop-down list needs room below its box.
    RECT box{};
    ::GetWindowRect(m_action, &box);
    ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&box), 2);
    ::MoveWindow(m_action, box.left, box.top, box.right - box.left, RowHeight() * 8, FALSE);
}

std::string PropertyPanel::ButtonSection() const {
    const DesignChoice& choice = m_session.Choice();
    if (choice.buttons.empty())
        return std::string();
    return choice.form + ".button" + std::to_string(choice.buttons.front());
}

void PropertyPanel::Refresh() {
    if (!m_hwnd)
        return;
    const IniDocument& document = m_session.Document();
    const DesignChoice& choice = m_session.Choice();
    const std::string section = ButtonSection();
    std::wstring title = L"Form " + Widened(choice.form);
    if (!section.empty())
        title = L"Button " + std::to_wstring(choice.buttons.front()) + L" of form " +
                Widened(choice.form);
    if (choice.buttons.size() > 1)
        title += L" (the first of " + std::to_wstring(choice.buttons.size()) + L" chosen)";
    ::SetWindowTextW(m_title, title.c_str());

    m_labelKey.Bind(document, section, "label");
    const std::string labelKey =
        section.empty() ? std::string() : document.Value(section, "label").value_or("");
    if (m_captions.Update(*this, document, labelKey, kFirstCaptionId, m_captionsTitle))
        Relayout();
    FillActions(section.empty() ? std::string() : document.Value(section, "action").value_or(""));
    ::EnableWindow(m_action, !section.empty());
    m_url.Bind(document, section, "url");
    m_args.Bind(document, section, "args");
    m_font.Bind(document, section, "font");
    ::EnableWindow(m_urlTokens, !section.empty());
    ::EnableWindow(m_argsTokens, !section.empty());
    const int count = document.Integer(choice.form, "buttonCount", 5);
    ::SetWindowTextW(m_buttonCount,
                     (L"Buttons on the form (buttonCount): " + std::to_wstring(count)).c_str());
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
        chosen = static_cast<int>(
            ::SendMessageW(m_action, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(DecodeText(action, ::GetACP()).c_str())));
    ::SendMessageW(m_action, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

void PropertyPanel::WriteAction() {
    const std::string section = ButtonSection();
    const LRESULT index = ::SendMessageW(m_action, CB_GETCURSEL, 0, 0);
    if (section.empty() || index < 0 || index >= static_cast<LRESULT>(ActionWords().size()))
        return;
    const std::string word = ActionWords()[static_cast<std::size_t>(index)];
    if (m_session.Document().Value(section, "action") == word)
        return;
    m_session.Edit([&](IniDocument& document) { document.SetValue(section, "action", word); });
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
    HMENU menu = ::CreatePopupMenu();
    for (std::size_t i = 0; i < tokens.size(); ++i)
        ::AppendMenuW(menu, MF_STRING, i + 1, Widened(tokens[i]).c_str());
    RECT place{};
    ::GetWindowRect(button, &place);
    const int taken = static_cast<int>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                         place.left, place.bottom, 0, m_hwnd, nullptr));
    ::DestroyMenu(menu);
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
    else if (KeyEdit* edit = FindEdit(id)) {
        const std::wstring message = HandleKeyEditCommand(*edit, code, m_session);
        if (!message.empty())
            Tell(message);
    }
}

void PropertyPanel::Tell(const std::wstring& message) {
    ::SetWindowTextW(m_status, message.c_str());
}
