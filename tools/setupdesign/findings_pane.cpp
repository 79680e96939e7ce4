#include "findings_pane.h"

#include "document_medium.h"
#include "finding_place.h"
#include "profile_medium.h"
#include "setup_checks.h"
#include "text_codec.h"

#include <commctrl.h>

namespace {

constexpr int kListId = 101;

const wchar_t* SeverityName(Severity severity) {
    switch (severity) {
    case Severity::kError:
        return L"error";
    case Severity::kWarning:
        return L"warning";
    default:
        return L"note";
    }
}

void AddColumn(HWND list, int index, const wchar_t* title, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title);
    ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&column));
}

} // namespace

void FindingsPane::OnCreate() {
    m_label = AddLabel(L"Findings of the checker:");
    m_list =
        AddControl(WC_LISTVIEWW, L"", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                   kListId, WS_EX_CLIENTEDGE);
    ::SendMessageW(m_list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                   LVS_EX_FULLROWSELECT);
    AddColumn(m_list, 0, L"Line", Scaled(50));
    AddColumn(m_list, 1, L"Kind", Scaled(70));
    AddColumn(m_list, 2, L"Finding", Scaled(600));
    Refresh();
}

int FindingsPane::Layout(int width, int height, int top) {
    RowLayout rows(width, 0, RowHeight(), Scaled(4), top);
    rows.Whole(m_label);
    rows.Fill(m_list, height + top, 0);
    return rows.Height();
}

void FindingsPane::Refresh() {
    if (!m_hwnd)
        return;
    const IniDocument& document = m_session.Document();
    std::string bytes = document.ToBytes();
    if (m_checked && bytes == m_checkedBytes)
        return;
    const ProfileMedium folder(m_session.Folder());
    m_findings = CheckSetup(DocumentMedium(document, folder), bytes);
    m_checkedBytes = std::move(bytes);
    m_checked = true;
    FillList();
}

std::vector<int> FindingsPane::ButtonsWithErrors(const std::string& form) const {
    return ::ButtonsWithErrors(m_findings, m_session.Document(), form);
}

void FindingsPane::FillList() {
    m_filling = true;
    ::SendMessageW(m_list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(m_list, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < m_findings.size(); ++i) {
        const Finding& finding = m_findings[i];
        const std::wstring line = finding.line > 0 ? std::to_wstring(finding.line) : L"";
        const std::wstring message = DecodeName(m_session.Document(), finding.message);
        const wchar_t* cells[] = {line.c_str(), SeverityName(finding.severity), message.c_str()};
        for (int column = 0; column < 3; ++column) {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.iSubItem = column;
            item.pszText = const_cast<wchar_t*>(cells[column]);
            ::SendMessageW(m_list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW,
                           static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
    }
    ::SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_list, nullptr, TRUE);
    m_filling = false;
}

void FindingsPane::Show(const Finding& finding) {
    const FindingPlace place = PlaceOfLine(m_session.Document(), finding.line);
    DesignChoice& choice = m_session.Choice();
    if (!place.form.empty()) {
        choice.form = place.form;
        choice.buttons.clear();
        if (place.button > 0)
            choice.buttons.push_back(place.button);
        choice.versionText = false;
    }
    if (!place.language.empty())
        choice.language = place.language;
    m_session.Changed();
}

KeyEdit* FindingsPane::FindEdit(int id) {
    (void)id;
    return nullptr;
}

void FindingsPane::OnCommand(int id, int code, HWND control) {
    (void)id;
    (void)code;
    (void)control;
}

void FindingsPane::OnNotify(const NMHDR& header) {
    if (header.idFrom != kListId || header.code != LVN_ITEMCHANGED || m_filling)
        return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED) &&
        change.iItem >= 0 && change.iItem < static_cast<int>(m_findings.size()))
        Show(m_findings[static_cast<std::size_t>(change.iItem)]);
}
