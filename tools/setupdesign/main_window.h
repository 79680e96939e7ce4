// The designer's main window: the menu bar, the list of forms, the canvas and
// the panes around it, over one medium folder at a time.
#pragma once

#include "design_session.h"
#include "form_canvas.h"
#include "framework/frame_window.h"
#include "framework/gdi.h"
#include "framework/wnd.h"
#include "panes.h"

#include <memory>
#include <string>
#include <vector>

// The program's name, the title of its window and boxes.
constexpr const char* kProgramTitle = "Setup Designer";
// A length in pixels at 96 DPI, at the display's scale.
int Scaled(int length);

class MainWindow : public CWnd {
public:
    // Makes the window, hidden, with its menu; false when the platform refuses.
    bool Create();
    // Opens the medium in the folder (a full path); tells the user and keeps
    // what was open when it cannot.
    bool Open(const std::string& folder);
    HACCEL Accelerators() const { return m_accelerators.get(); }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // Called after every edit and every change of the choice.
    void OnSessionChanged();
    void Layout();
    void FillFormList();
    void FillLanguageMenu();
    void UpdateTitle();
    void EnableCommands(HMENU menu);
    void ChooseLanguage(size_t index);
    void ChooseForm(const std::string& form);
    // A command on the chosen form: each is one edit.
    void AddButtonToForm();
    void AddSubform();
    void DeleteChosenForm();
    void MoveSelectedButton(int step);

    // True when saved; false (said why) when not.
    bool Save();
    // True when the work may be left: saved, or the author chose to drop it.
    bool MayLeaveChanges(const char* question);
    void ChooseFolder();
    void RunLauncher();
    void MovePaneFocus(bool backwards);

    std::unique_ptr<DesignSession> m_session;
    std::unique_ptr<FormCanvas> m_canvas;
    DesignerPanes m_panes;
    CWnd m_formListLabel;
    CWnd m_formList;
    HMENU m_languageMenu = nullptr;
    UniqueAccelerators m_accelerators;
    GdiObject<HFONT> m_font;
    // What Setup.ini held on the disk when opened or last saved.
    std::string m_diskBytes;
    std::vector<std::string> m_forms;
    std::vector<std::string> m_languages;
    size_t m_reachableForms = 0;
};
