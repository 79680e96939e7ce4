// The main window's commands: the menu's and the shortcuts'.
#include "app/paths.h"
#include "app/system_code_page.h"
#include "design_commands.h"
#include "form_reach.h"
#include "framework/gdi.h"
#include "framework/shell_com.h"
#include "layout_edits.h"
#include "main_window.h"
#include "medium_file.h"

#include <utility>
#include <shlobj.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kZoomSteps[] = {50, 75, 100, 125, 150, 200};

int NextZoom(int zoom, bool larger) {
    if (larger) {
        for (int step : kZoomSteps)
            if (step > zoom)
                return step;
        return kZoomSteps[std::size(kZoomSteps) - 1];
    }
    for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step)
        if (*step < zoom)
            return *step;
    return kZoomSteps[0];
}

} // namespace

bool MainWindow::OnCommand(WPARAM wParam, LPARAM) {
    const int command = LOWORD(wParam);
    if (command == kFormListId) {
        if (HIWORD(wParam) == LBN_SELCHANGE || HIWORD(wParam) == LBN_DBLCLK) {
            const LRESULT index = m_formList.SendMessage(LB_GETCURSEL);
            if (m_session && index >= 0 && static_cast<size_t>(index) < m_forms.size())
                ChooseForm(m_forms[static_cast<size_t>(index)]);
        }
        return true;
    }
    if (command == kCmdOpen) {
        ChooseFolder();
        return true;
    }
    if (command == kCmdExit) {
        SendMessage(WM_CLOSE);
        return true;
    }
    if (command == kCmdNextPane || command == kCmdPreviousPane) {
        MovePaneFocus(command == kCmdPreviousPane);
        return true;
    }
    if (!m_session)
        return false;
    if (command >= kCmdLanguage && command < kCmdLanguage + 100) {
        ChooseLanguage(static_cast<size_t>(command - kCmdLanguage));
        return true;
    }
    static constexpr std::pair<int, Alignment> kAlignments[] = {
        {kCmdAlignLeft, Alignment::kLeft},
        {kCmdAlignRight, Alignment::kRight},
        {kCmdAlignTop, Alignment::kTop},
        {kCmdAlignBottom, Alignment::kBottom},
        {kCmdAlignCentres, Alignment::kHorizontalCentre},
        {kCmdAlignMiddles, Alignment::kVerticalCentre},
    };
    for (const auto& [id, alignment] : kAlignments)
        if (command == id) {
            m_canvas->AlignSelection(alignment);
            return true;
        }
    switch (command) {
    case kCmdSave:
        Save();
        return true;
    case kCmdRun:
        RunLauncher();
        return true;
    case kCmdUndo:
        m_session->Undo();
        return true;
    case kCmdRedo:
        m_session->Redo();
        return true;
    case kCmdDelete:
        m_canvas->DeleteSelection();
        return true;
    case kCmdSelectAll: {
        DesignChoice& choice = m_session->Choice();
        choice.buttons.clear();
        for (int n = 1; n <= ButtonCount(m_session->Document(), choice.form); ++n)
            choice.buttons.push_back(n);
        m_session->Changed();
        return true;
    }
    case kCmdAddButton:
        AddButtonToForm();
        return true;
    case kCmdAddForm:
        AddSubform();
        return true;
    case kCmdDeleteForm:
        DeleteChosenForm();
        return true;
    case kCmdButtonEarlier:
    case kCmdButtonLater:
        MoveSelectedButton(command == kCmdButtonEarlier ? -1 : 1);
        return true;
    case kCmdSameSize:
        m_canvas->SameSizeSelection();
        return true;
    case kCmdZoomIn:
    case kCmdZoomOut:
        m_canvas->SetZoom(NextZoom(m_canvas->Zoom(), command == kCmdZoomIn));
        return true;
    case kCmdZoomActual:
        m_canvas->SetZoom(100);
        return true;
    default:
        return false;
    }
}

void MainWindow::AddButtonToForm() {
    const std::string form = m_session->Choice().form;
    bool added = false;
    m_session->Edit([&](IniDocument& document) { added = AddButton(document, form); });
    if (!added) {
        ::MessageBoxA(m_hWnd, "A form holds at most ten buttons.", kProgramTitle,
                      MB_OK | MB_ICONINFORMATION);
        return;
    }
    DesignChoice& choice = m_session->Choice();
    choice.buttons.assign(1, ButtonCount(m_session->Document(), form));
    choice.versionText = false;
    m_session->Changed();
}

void MainWindow::AddSubform() {
    const std::string parent = m_session->Choice().form;
    std::string name;
    m_session->Edit([&](IniDocument& document) { name = AddForm(document, parent); });
    if (name.empty()) {
        ::MessageBoxA(m_hWnd, "The form has no free place for a button that opens a new form.",
                      kProgramTitle, MB_OK | MB_ICONINFORMATION);
        return;
    }
    DesignChoice& choice = m_session->Choice();
    choice.buttons.assign(1, ButtonCount(m_session->Document(), parent));
    choice.versionText = false;
    m_session->Changed();
}

void MainWindow::DeleteChosenForm() {
    const std::string form = m_session->Choice().form;
    const std::vector<std::string> unreached = UnreachedForms(m_session->Document());
    if (std::find(unreached.begin(), unreached.end(), form) == unreached.end()) {
        ::MessageBoxA(
            m_hWnd,
            ("A button opens the form \"" + form + "\": delete that button first, then the form.")
                .c_str(),
            kProgramTitle, MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_session->Choice().form = "main";
    m_session->Choice().buttons.clear();
    m_session->Edit([&](IniDocument& document) { DeleteForm(document, form); });
    m_session->Changed();
}

void MainWindow::MoveSelectedButton(int step) {
    DesignChoice& choice = m_session->Choice();
    if (choice.buttons.size() != 1)
        return;
    const int from = choice.buttons[0];
    const int to = from + step;
    if (to < 1 || to > ButtonCount(m_session->Document(), choice.form))
        return;
    const std::string form = choice.form;
    choice.buttons.assign(1, to);
    m_session->Edit([&](IniDocument& document) { RenumberButton(document, form, from, to); });
    m_session->Changed();
}

bool MainWindow::Save() {
    m_panes.CommitTyping();
    const std::string path = m_session->Folder() + "Setup.ini";
    std::string error;
    const std::optional<std::string> onDisk = ReadWholeFile(path, error);
    // Changed or gone: either way not what was opened here.
    if (!onDisk || *onDisk != m_diskBytes) {
        const int answer = ::MessageBoxA(
            m_hWnd,
            (path + " was changed on the disk since it was opened here.\n\nReplace it with "
                    "the designer's version, losing those changes?")
                .c_str(),
            kProgramTitle, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
        if (answer != IDYES)
            return false;
    }
    const std::string bytes = m_session->Document().ToBytes();
    if (!ReplaceFileKeepingBackup(path, bytes, error)) {
        ::MessageBoxA(
            m_hWnd,
            (path + " could not be saved: " + error + ".\n\nThe file on the disk is as it was.")
                .c_str(),
            kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_diskBytes = bytes;
    m_session->History().MarkSaved();
    UpdateTitle();
    return true;
}

bool MainWindow::MayLeaveChanges(const char* question) {
    m_panes.CommitTyping();
    if (!m_session || !m_session->History().Modified())
        return true;
    switch (::MessageBoxA(m_hWnd, question, kProgramTitle, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return Save();
    case IDNO:
        return true;
    default:
        return false;
    }
}

void MainWindow::ChooseFolder() {
    EnsureShellCom();
    char chosen[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = m_hWnd;
    browse.pszDisplayName = chosen;
    browse.lpszTitle = "Choose the medium's folder, the one that holds Setup.ini:";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST item = ::SHBrowseForFolderA(&browse);
    if (!item)
        return;
    char path[MAX_PATH] = {};
    const bool found = ::SHGetPathFromIDListA(item, path) != FALSE;
    // The shell's own release: no static import of ole32, which the program
    // loads only from the system folder when COM is first needed.
    ::ILFree(item);
    if (found)
        Open(path);
}

void MainWindow::RunLauncher() {
    m_panes.CommitTyping();
    if (m_session->History().Modified()) {
        const int answer =
            ::MessageBoxA(m_hWnd,
                          "The launcher reads Setup.ini from the disk. Save the changes first?\n\n"
                          "(No runs it on the file as it was last saved.)",
                          kProgramTitle, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL || (answer == IDYES && !Save()))
            return;
    }
    const std::string folder = m_session->Folder();
    const std::string program = folder + "launcher.exe";
    std::string commandLine = "\"" + program + "\"";
    if (!m_session->Choice().language.empty())
        commandLine += " " + m_session->Choice().language;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process)) {
        ::MessageBoxA(
            m_hWnd,
            (program + " could not be started: " + SystemErrorText(::GetLastError()) + ".").c_str(),
            kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const UniqueHandle thread(process.hThread);
    const UniqueHandle started(process.hProcess);
}
