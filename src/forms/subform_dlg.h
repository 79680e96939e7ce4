// A form: one page of the launcher, built from its section of Setup.ini on the
// skinned base dialog: the picture as the whole window, the version text and up
// to ten shaded buttons.
#pragma once

#include "controls/shade_button_st.h"
#include "forms/b_dialog.h"
#include "forms/form_layout.h"
#include "forms/form_preload.h"
#include "framework/gdi.h"

#include <string>

class CSubformDlg : public CBDialog {
public:
    // Texts are copied. The form's section names its buttons in Setup.ini.
    CSubformDlg(const std::string& language, const std::string& langId,
                const std::string& installLang, const std::string& formName, CWnd* parent);
    ~CSubformDlg() override;

    // Called when the window exists: loads the picture (ending the program when
    // it cannot), builds the fonts and buttons, sizes the window to the picture
    // and centres it.
    BOOL OnInitDialog() override;
    // Lets the form take its buttons' settings and picture from a preload that
    // serves it, instead of reading them itself. The preload must outlive the
    // dialog's initialisation.
    void UsePreload(CFormPreload* preload) { m_preload = preload; }
    // Builds the buttons of the form's section, at most one per slot.
    void CreateButtons();
    // Shades the built buttons, for as much of them as the picture shows.
    void ShadeButtons();
    // Places the buttons and sizes their fonts for a picture drawn at `dpi`.
    void ScaleButtons(int dpi);

protected:
    // Called for the form's commands: a click on one of its shaded buttons
    // carries out the button's action; other commands go to the dialog.
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Opens a document, program, folder or web address through the shell, with
    // the language tokens filled in; tells the user when it cannot.
    void OpenTarget(std::string target, std::string args);

    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Called for WM_PAINT: the minimised icon, or the version text over the
    // picture and the buttons over both.
    void OnPaint();
    // Has each button draw itself into the form's paint where the form's due
    // region reaches it, and takes that part off what the button has to paint:
    // one paint for the form and its buttons instead of one each. A button
    // still paints itself when only it changes (hover, press, focus).
    void PaintButtonsInPlace(HDC dc, HRGN due);
    // Draws [main] versionNumber in white, transparent, into its rectangle.
    void PaintVersionText(HDC dc);
    // At the picture's scale.
    void CreateVersionFont(int dpi);
    // The preload given, when it holds this form's reads; else null.
    CFormPreload* ServingPreload() const;
    // The shared picture, else the one from the preload that serves the form,
    // else from the file; LoadPicture's result.
    int LoadFormPicture();

    // True when the action took the click (a declined licence does not).
    bool RunAction(const CShadeButtonST& button);
    // The licence, then the target when it is accepted; true when accepted.
    bool RunClickThrough(const std::string& url, const std::string& args);
    // The form of the section, modal above this one.
    void RunNestedForm(const std::string& section);
    // The database password dialog, which runs the installer itself.
    void RunDatabaseInstaller(const std::string& program, const std::string& args);

    HICON m_hIcon = nullptr;
    bool m_iconsGiven = false;
    CFormPreload* m_preload = nullptr;
    CFont m_versionTextFont;
    std::string m_installLang;
    std::string m_language;
    std::string m_langId;
    std::string m_formName;
    CFont m_buttonFonts[kButtonSlots];
    PixelRect m_buttonBounds[kButtonSlots]{}; // as Setup.ini gives them, at 96 DPI
    int m_buttonCount = 0;                    // buttons built, never more than the slots
    CShadeButtonST m_buttons[kButtonSlots];
};

// The one fixed text of the launcher: the picture of a form could not be loaded.
constexpr const char* kPictureLoadFailure = "Failed to load the image for the Launcher.";
