#include "languages_panel.h"

#include "ini_line_index.h"
#include "language_sections.h"
#include "text_codec.h"

#include <commctrl.h>

#include <algorithm>

namespace {

enum ControlId {
    kTableId = 101,
    kNewCodeId,
    kSourceId,
    kAddId,
    kFirstTextId = 1000,
};

bool IsLanguageCode(const std::string& code) {
    if (code.size() != 2)
        return false;
    for (const char c : code)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    return true;
}

std::string Narrowed(const std::wstring& ascii) {
    std::string text;
    for (const wchar_t c : ascii)
        text += c < 0x80 ? static_cast<char>(c) : '?';
    return text;
}

void AddColumn(HWND table, int index, const std::wstring& title, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title.c_str());
    ::SendMessageW(table, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND table, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(table, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW,
                   static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

} // namespace

int CopyLanguageSection(IniDocument& document, const std::string& from, const std::string& to) {
    const unsigned fromPage = SectionCodePage(document.Encoding(), from);
    const unsigned toPage = SectionCodePage(document.Encoding(), to);
    int refused = 0;
    for (const std::string& key : document.KeyNames(from)) {
        std::string value = document.Value(from, key).value_or(std::string());
        if (fromPage != toPage) {
            const EncodedText copied = EncodeText(DecodeText(value, fromPage), toPage);
            value = copied.text;
            refused += copied.refusedCount;
        }
        document.SetValue(to, key, value);
    }
    return refused;
}

void LanguagesPanel::OnCreate() {
    m_tableLabel = AddLabel(L"Texts of every lang&uage:");
    m_table =
        AddControl(WC_LISTVIEWW, L"", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                   kTableId, WS_EX_CLIENTEDGE);
    ::SendMessageW(m_table, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                   LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_textsLabel = AddLabel(L"The chosen key's texts:");
    m_newLabel = AddLabel(L"New language code (t&wo letters):");
    m_newCode = AddEdit(kNewCodeId);
    ::SendMessageW(m_newCode, EM_LIMITTEXT, 2, 0);
    m_sourceLabel = AddLabel(L"Copied fro&m:");
    m_source = AddControl(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kSourceId);
    m_add =
        AddControl(L"BUTTON", L"Add t&he language", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, kAddId);
    AddStatusLine();
    Refresh();
}

int LanguagesPanel::Layout(int width, int height, int top) {
    const int rowsBelow = 1 + static_cast<int>(m_texts.Count()) + 5;
    RowLayout rows(width, m_texts.LabelWidth(*this), RowHeight(), Scaled(6), top);
    rows.Whole(m_tableLabel);
    rows.Fill(m_table, height + top, rowsBelow);
    rows.Whole(m_textsLabel);
    m_texts.Place(rows);
    rows.Above(m_newLabel, m_newCode);
    rows.Above(m_sourceLabel, m_source);
    rows.Whole(m_add);
    PlaceStatusLine(rows);
    RECT box{};
    ::GetWindowRect(m_source, &box);
    ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&box), 2);
    ::MoveWindow(m_source, box.left, box.top, box.right - box.left, RowHeight() * 8, FALSE);
    return rows.Height();
}

void LanguagesPanel::Refresh() {
    if (!m_hwnd)
        return;
    const std::string chosen = ChosenKey();
    FillTable();
    int row = -1;
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        if (SameIniName(m_keys[i], chosen))
            row = static_cast<int>(i);
    if (row >= 0) {
        m_filling = true;
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(m_table, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&state));
        m_filling = false;
    }
    BindChosenKey();

    const int source = static_cast<int>(::SendMessageW(m_source, CB_GETCURSEL, 0, 0));
    ::SendMessageW(m_source, CB_RESETCONTENT, 0, 0);
    for (const std::string& language : m_languages)
        ::SendMessageW(
            m_source, CB_ADDSTRING, 0,
            reinterpret_cast<LPARAM>(DecodeName(m_session.Document(), language).c_str()));
    ::SendMessageW(m_source, CB_SETCURSEL,
                   static_cast<WPARAM>(
                       source >= 0 && source < static_cast<int>(m_languages.size()) ? source : 0),
                   0);
}

void LanguagesPanel::FillTable() {
    const IniDocument& document = m_session.Document();
    m_filling = true;
    ::SendMessageW(m_table, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(m_table, LVM_DELETEALLITEMS, 0, 0);
    while (::SendMessageW(m_table, LVM_DELETECOLUMN, 0, 0)) {
    }
    m_keys = LanguageKeys(document);
    m_languages = LanguageSections(document);
    AddColumn(m_table, 0, L"Key", Scaled(150));
    for (std::size_t i = 0; i < m_languages.size(); ++i)
        AddColumn(m_table, static_cast<int>(i) + 1, DecodeName(document, m_languages[i]),
                  Scaled(140));
    for (std::size_t row = 0; row < m_keys.size(); ++row) {
        SetCell(m_table, static_cast<int>(row), 0, DecodeName(document, m_keys[row]));
        for (std::size_t i = 0; i < m_languages.size(); ++i) {
            const std::string& section = m_languages[i];
            const std::optional<std::string> value = document.Value(section, m_keys[row]);
            SetCell(m_table, static_cast<int>(row), static_cast<int>(i) + 1,
                    value ? DecodeText(*value, SectionCodePage(document.Encoding(), section))
                          : L"(missing)");
        }
    }
    ::SendMessageW(m_table, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_table, nullptr, TRUE);
    m_filling = false;
}

std::string LanguagesPanel::ChosenKey() const {
    const LRESULT row =
        ::SendMessageW(m_table, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (row < 0 || row >= static_cast<LRESULT>(m_keys.size()))
        return std::string();
    return m_keys[static_cast<std::size_t>(row)];
}

void LanguagesPanel::BindChosenKey() {
    if (m_texts.Update(*this, m_session.Document(), ChosenKey(), kFirstTextId, m_textsLabel))
        Relayout();
}

void LanguagesPanel::AddLanguage() {
    const std::string code = Narrowed(WindowTextOf(m_newCode));
    const LRESULT source = ::SendMessageW(m_source, CB_GETCURSEL, 0, 0);
    const IniDocument& document = m_session.Document();
    std::wstring message;
    if (!IsLanguageCode(code))
        message = L"A language's section is named by two letters, such as FR.";
    else if (document.HasSection(code))
        message = L"The file has a section [" + WindowTextOf(m_newCode) + L"] already.";
    else if (source < 0 || source >= static_cast<LRESULT>(m_languages.size()))
        message = L"Choose the language whose texts the new one starts from.";
    if (!message.empty()) {
        Tell(message);
        return;
    }
    const std::string from = m_languages[static_cast<std::size_t>(source)];
    int refused = 0;
    m_session.Edit([&](IniDocument& edited) { refused = CopyLanguageSection(edited, from, code); });
    message = L"[" + WindowTextOf(m_newCode) + L"] added.";
    ::SetWindowTextW(m_newCode, L"");
    if (refused > 0)
        message += L" Its code page cannot spell " + std::to_wstring(refused) +
                   L" of the copied characters: they were left out.";
    Tell(message);
}

void LanguagesPanel::OnCommand(int id, int code, HWND control) {
    (void)control;
    if (id == kAddId && code == BN_CLICKED)
        AddLanguage();
}

KeyEdit* LanguagesPanel::FindEdit(int id) {
    return m_texts.Find(id);
}

void LanguagesPanel::OnNotify(const NMHDR& header) {
    if (header.idFrom != kTableId || header.code != LVN_ITEMCHANGED || m_filling)
        return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED)
        BindChosenKey();
}
