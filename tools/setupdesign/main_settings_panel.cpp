#include "main_settings_panel.h"

#include "language_text_rows.h"

#include <algorithm>

namespace {

constexpr char kMain[] = "main";
constexpr int kFirstFieldId = 101;
constexpr int kDpiScalingId = 201;

struct FieldSpec {
    const char* key;
    const wchar_t* label;
    bool number;
};

// In the order of the author's guide.
constexpr FieldSpec kFieldSpecs[] = {
    {"imageFile", L"&Picture (imageFile):", false}, {"productName", L"Product &name:", false},
    {"versionNumber", L"Version te&xt:", false},    {"versionFont", L"Version fa&ce:", false},
    {"versionX", L"Vers&ion left (x):", true},      {"versionY", L"Version top (&y):", true},
    {"eulaRoot", L"Licence fol&der:", false},
};

} // namespace

void MainSettingsPanel::OnCreate() {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i].label = AddLabel(kFieldSpecs[i].label);
        m_fields[i].edit.Attach(
            AddEdit(kFirstFieldId + static_cast<int>(i), kFieldSpecs[i].number ? ES_NUMBER : 0));
    }
    m_dpiScaling = AddControl(L"BUTTON", L"Draw at the display's &scale (dpiScaling)",
                              WS_TABSTOP | BS_AUTOCHECKBOX | BS_NOTIFY, kDpiScalingId);
    AddStatusLine();
    Refresh();
}

int MainSettingsPanel::Layout(int width, int height, int top) {
    (void)height;
    int labels = 0;
    for (const Field& field : m_fields)
        labels = std::max(labels, WidestText({field.label}));
    RowLayout rows(width, labels, RowHeight(), Scaled(6), top);
    for (const Field& field : m_fields)
        rows.Row(field.label, field.edit.Edit());
    rows.Whole(m_dpiScaling);
    PlaceStatusLine(rows);
    return rows.Height();
}

void MainSettingsPanel::Refresh() {
    if (!m_hwnd)
        return;
    const IniDocument& document = m_session.Document();
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i].edit.Bind(document, kMain, kFieldSpecs[i].key);
    // The launcher draws at the display's scale unless the value is 0.
    const bool scaled = document.Integer(kMain, "dpiScaling", 1) != 0;
    ::SendMessageW(m_dpiScaling, BM_SETCHECK, scaled ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainSettingsPanel::WriteDpiScaling() {
    const bool scaled = ::SendMessageW(m_dpiScaling, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if ((m_session.Document().Integer(kMain, "dpiScaling", 1) != 0) == scaled)
        return;
    m_session.Edit(
        [&](IniDocument& document) { document.SetValue(kMain, "dpiScaling", scaled ? "1" : "0"); });
}

void MainSettingsPanel::OnCommand(int id, int code, HWND control) {
    (void)control;
    if (id == kDpiScalingId && code == BN_CLICKED)
        WriteDpiScaling();
}

KeyEdit* MainSettingsPanel::FindEdit(int id) {
    const int index = id - kFirstFieldId;
    if (index < 0 || index >= static_cast<int>(m_fields.size()))
        return nullptr;
    return &m_fields[static_cast<std::size_t>(index)].edit;
}
