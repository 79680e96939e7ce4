// A modal dialog from a resource template, run by the platform's dialog manager.
#pragma once

#include "framework/wnd.h"

#include <string>

class CDialog;

// What DoDataExchange gets: the dialog and the direction of the exchange.
struct CDataExchange {
    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate; // true: controls to members; false: members to controls
};

// Binds a control object to the dialog's control with this id (once).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Exchanges a member text with the window text of the control with this id.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, CWnd* parent);

    // Runs the dialog modally; returns what ended it, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Whether the template's controls are the platform's standard ones, shown in
    // version 6 of the common controls; a dialog whose controls the program
    // draws itself answers false and never loads that library.
    virtual bool HasStandardControls() const { return true; }
    void EndDialog(int result);
    // Exchanges every bound value (nothing validates, so nothing can fail).
    void UpdateData(bool saveAndValidate = true);
    // Centres over the owner, or on the screen's work area when there is none.
    void CenterWindow(HWND alternate = nullptr);
    // Gives the window this size and centres it as above, in one move.
    void CenterWindow(int width, int height);

    // Called when the dialog and its controls exist, before it is shown.
    virtual BOOL OnInitDialog();
    // Called by the OK command (Enter, or the IDOK button): saves and ends with IDOK.
    virtual void OnOK();
    // Called by the Cancel command (Escape, the close box, IDCANCEL): ends with IDCANCEL.
    virtual void OnCancel();

protected:
    // Called by UpdateData to bind controls and exchange values.
    virtual void DoDataExchange(CDataExchange* pDX);
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Keeps the dialog's keyboard cues (WM_CHANGEUISTATE, WM_QUERYUISTATE).
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    // Takes the new state and tells the dialog's controls which cues changed.
    void UpdateUiState(WORD state);
    // Tells the dialog's controls whether these cues (UISF_* flags) are hidden.
    void AnnounceUiState(WORD cues);
    static constexpr WORD kAllCues = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    static BOOL CALLBACK SendUiStateUpdate(HWND child, LPARAM update);

    WORD m_uiState = 0; // UISF_* flags of the cues hidden

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
