#include "main_window.h"

#include "design_commands.h"
#include "designer_menu.h"
#include "form_reach.h"
#include "layout_edits.h"
#include "medium_file.h"
#include "window_place.h"

#include <algorithm>

namespace {

// Lengths at the display's scale (the designer declares itself aware of it).
} // namespace

int Scaled(int length) {
    static const int dpi = [] {
        const HDC screen = ::GetDC(nullptr);
        const int value = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen)
            ::ReleaseDC(nullptr, screen);
        return value;
    }();
    return ::MulDiv(length, dpi, 96);
}

namespace {

// The sections that name a language: two letters, as the launcher's argument.
bool IsLanguageSection(const std::string& name) {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    return name.size() == 2 && letter(name[0]) && letter(name[1]);
}

} // namespace

bool MainWindow::Create() {
    const HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!RegisterFrameClass(kDesignerClass, 0, icon))
        return false;
    HMENU menu = CreateDesignerMenu(m_languageMenu);
    const HWND hwnd = ::CreateWindowExA(WS_EX_CONTROLPARENT, kDesignerClass, kProgramTitle,
                                        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                        CW_USEDEFAULT, Scaled(1100), Scaled(720), nullptr, menu,
                                        ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) {
        ::DestroyMenu(menu);
        return false;
    }
    if (!SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    m_accelerators.reset(CreateDesignerAccelerators());
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        m_font.reset(::CreateFontIndirectA(&metrics.lfMessageFont));
    m_formListLabel.CreateEx(0, "STATIC", "&Forms:", WS_CHILD | WS_VISIBLE, RECT{}, this,
                             kFormListLabelId);
    m_formList.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", "Forms",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
                            LBS_NOINTEGRALHEIGHT,
                        RECT{}, this, kFormListId);
    for (CWnd* child : {&m_formListLabel, &m_formList})
        child->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    return true;
}

bool MainWindow::Open(const std::string& folder) {
    if (m_session &&
        !MayLeaveChanges("Save the changes to Setup.ini before opening another folder?"))
        return false;
    std::string base = folder;
    if (!base.empty() && base.back() != '\\' && base.back() != '/')
        base += '\\';
    std::string error;
    const std::optional<std::string> bytes = ReadWholeFile(base + "Setup.ini", error);
    if (!bytes) {
        ::MessageBoxA(m_hWnd, (base + "Setup.ini could not be read: " + error + ".").c_str(),
                      kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_panes.Destroy();
    m_canvas.reset();
    m_session = std::make_unique<DesignSession>(base, IniDocument::FromBytes(*bytes));
    m_diskBytes = *bytes;
    DesignChoice& choice = m_session->Choice();
    for (const std::string& section : m_session->Document().SectionNames())
        if (IsLanguageSection(section) &&
            (choice.language.empty() || section == "EN" || section == "en"))
            choice.language = section;
    m_canvas = std::make_unique<FormCanvas>(*m_session);
    m_canvas->Create(m_hWnd);
    m_canvas->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    m_panes.Create(*m_session, m_hWnd, *m_canvas);
    m_session->Listen([this] { OnSessionChanged(); });
    OnSessionChanged();
    Layout();
    ::SetFocus(m_canvas->m_hWnd);
    return true;
}

void MainWindow::OnSessionChanged() {
    if (!m_session)
        return;
    FillFormList();
    FillLanguageMenu();
    UpdateTitle();
    m_canvas->Refresh();
    m_panes.Refresh();
}

void MainWindow::FillFormList() {
    const IniDocument& document = m_session->Document();
    std::vector<std::string> forms = ReachableForms(document);
    m_reachableForms = forms.size();
    for (const std::string& unreached : UnreachedForms(document))
        forms.push_back(unreached);
    const std::string& chosen = m_session->Choice().form;
    if (forms != m_forms) {
        m_forms = forms;
        m_formList.SendMessage(LB_RESETCONTENT);
        for (size_t i = 0; i < m_forms.size(); ++i) {
            const std::string text =
                i < m_reachableForms ? m_forms[i] : m_forms[i] + " (no button opens it)";
            m_formList.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    const auto at = std::find(m_forms.begin(), m_forms.end(), chosen);
    m_formList.SendMessage(LB_SETCURSEL, at == m_forms.end() ? -1 : at - m_forms.begin());
}

void MainWindow::FillLanguageMenu() {
    std::vector<std::string> languages;
    for (const std::string& section : m_session->Document().SectionNames())
        if (IsLanguageSection(section))
            languages.push_back(section);
    if (languages != m_languages) {
        m_languages = languages;
        while (::GetMenuItemCount(m_languageMenu) > 0)
            ::DeleteMenu(m_languageMenu, 0, MF_BYPOSITION);
        for (size_t i = 0; i < m_languages.size(); ++i) {
            const std::string text = "&" + std::to_string(i + 1) + " " + m_languages[i];
            ::AppendMenuA(m_languageMenu, MF_STRING, kCmdLanguage + i, text.c_str());
        }
    }
    for (size_t i = 0; i < m_languages.size(); ++i)
        ::CheckMenuItem(m_languageMenu, static_cast<UINT>(kCmdLanguage + i),
                        m_languages[i] == m_session->Choice().language ? MF_CHECKED : MF_UNCHECKED);
}

void MainWindow::UpdateTitle() {
    std::string title = "Setup.ini";
    if (m_session) {
        if (m_session->History().Modified())
            title += "*";
        title += " - " + m_session->Folder() + " - ";
    }
    title += kProgramTitle;
    if (GetWindowText() != title)
        SetWindowText(title);
}

void MainWindow::Layout() {
    // The canvas takes the top left, as wide as the panes beside it allow;
    // the list of forms, the findings and the languages share the row below.
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int gap = Scaled(6);
    const int labelHeight = Scaled(18);
    const bool panes = !m_panes.Windows().empty();
    const int sideWidth = panes ? Scaled(320) : 0;
    const int belowHeight = Scaled(panes ? 190 : 120);
    const int listWidth = Scaled(140);
    const int right = std::max<int>(gap, client.right - gap - (panes ? sideWidth + gap : 0));
    const int bottom = std::max<int>(gap, client.bottom - 2 * gap - belowHeight);
    if (m_canvas)
        ::MoveWindow(m_canvas->m_hWnd, gap, gap, right - gap, bottom - gap, TRUE);
    const int rowTop = bottom + gap;
    ::MoveWindow(m_formListLabel.m_hWnd, gap, rowTop, listWidth, labelHeight, TRUE);
    ::MoveWindow(m_formList.m_hWnd, gap, rowTop + labelHeight, listWidth,
                 std::max<int>(0, client.bottom - gap - rowTop - labelHeight), TRUE);
    m_panes.Layout(RECT{right + gap, gap, client.right - gap, client.bottom - gap},
                   RECT{2 * gap + listWidth, rowTop, right, client.bottom - gap});
}

void MainWindow::ChooseForm(const std::string& form) {
    DesignChoice& choice = m_session->Choice();
    if (choice.form == form)
        return;
    choice.form = form;
    choice.buttons.clear();
    choice.versionText = false;
    m_session->Changed();
}

void MainWindow::ChooseLanguage(size_t index) {
    if (!m_session || index >= m_languages.size())
        return;
    m_session->Choice().language = m_languages[index];
    m_session->Changed();
}

void MainWindow::MovePaneFocus(bool backwards) {
    std::vector<HWND> order{m_formList.m_hWnd};
    if (m_canvas)
        order.push_back(m_canvas->m_hWnd);
    for (HWND pane : m_panes.Windows())
        order.push_back(pane);
    const HWND focus = ::GetFocus();
    size_t current = 0;
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i] == focus || ::IsChild(order[i], focus))
            current = i;
    const size_t next = (current + (backwards ? order.size() - 1 : 1)) % order.size();
    // Into a pane, the focus goes to its first tab stop.
    HWND target = order[next];
    if (HWND first = ::GetNextDlgTabItem(target, nullptr, FALSE); first && ::IsChild(target, first))
        target = first;
    ::SetFocus(target);
    ::SendMessageA(m_hWnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool MainWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_SIZE:
        Layout();
        result = 0;
        return true;
    case WM_INITMENUPOPUP:
        EnableCommands(reinterpret_cast<HMENU>(wParam));
        result = 0;
        return true;
    case WM_CLOSE:
        if (m_session && !MayLeaveChanges("Save the changes to Setup.ini?")) {
            result = 0;
            return true;
        }
        RememberWindowPlace(m_hWnd);
        DestroyWindow();
        result = 0;
        return true;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        // Top-level windows hear of a new scheme; the canvas draws in it.
        if (m_canvas)
            m_canvas->SystemColoursChanged();
        return false;
    case WM_DPICHANGED: {
        // Moved to a display of another scale: the place the system suggests.
        const RECT& place = *reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(m_hWnd, nullptr, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        result = 0;
        return true;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        result = 0;
        return true;
    case WM_ACTIVATE:
        // The focus comes back to where it was: the canvas by default.
        if (LOWORD(wParam) != WA_INACTIVE && m_canvas && !::GetFocus())
            ::SetFocus(m_canvas->m_hWnd);
        return false;
    default:
        return false;
    }
}

void MainWindow::EnableCommands(HMENU menu) {
    const bool open = m_session != nullptr;
    const auto enable = [menu](int command, bool on) {
        ::EnableMenuItem(menu, static_cast<UINT>(command),
                         MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    const bool selected = open && !m_session->Choice().buttons.empty();
    const bool several = open && m_session->Choice().buttons.size() > 1;
    enable(kCmdSave, open);
    enable(kCmdRun, open);
    enable(kCmdUndo, open && m_session->History().CanUndo());
    enable(kCmdRedo, open && m_session->History().CanRedo());
    enable(kCmdDelete, selected);
    enable(kCmdSelectAll, open);
    enable(kCmdAddButton, open);
    enable(kCmdAddForm, open);
    enable(kCmdButtonEarlier, open && m_session->Choice().buttons.size() == 1);
    enable(kCmdButtonLater, open && m_session->Choice().buttons.size() == 1);
    for (int command : {kCmdAlignLeft, kCmdAlignRight, kCmdAlignTop, kCmdAlignBottom,
                        kCmdAlignCentres, kCmdAlignMiddles, kCmdSameSize})
        enable(command, several);
    const auto at =
        open ? std::find(m_forms.begin(), m_forms.end(), m_session->Choice().form) : m_forms.end();
    enable(kCmdDeleteForm,
           at != m_forms.end() && static_cast<size_t>(at - m_forms.begin()) >= m_reachableForms);
    for (int command : {kCmdZoomIn, kCmdZoomOut, kCmdZoomActual})
        enable(command, open);
}
