// The licence click-through: the licence text of the launcher's language from an
// RTF file, a heading, an agreement box and Continue, enabled only while the box
// is ticked, and Exit.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"

#include <string>

class CLicenseAgreement : public CDialog {
public:
    // The language code names the Setup.ini section of the texts and the folder
    // of the licence file; it is copied. Without a parent the owner is the
    // launcher's active window.
    CLicenseAgreement(const std::string& language, CWnd* parent);
    ~CLicenseAgreement() override;

    // Loads the rich edit library first; -1 when its class is not registered.
    INT_PTR DoModal() override;
    // Sets the texts and the text area's colour; the licence file streams in
    // once the dialog is shown.
    BOOL OnInitDialog() override;

protected:
    // Binds Continue, Exit, the heading, the agreement box and the text area.
    void DoDataExchange(CDataExchange* pDX) override;
    // Continue and Exit go to the framework; the agreement box to OnAgreeClicked.
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Called by the message posted from OnInitDialog: shows and paints the
    // dialog, then streams the licence file into the read-only text area.
    void OnStreamLicense();
    // Continue is enabled exactly while the box is ticked.
    void OnAgreeClicked();
    // Program folder, then eulaRoot\<language>\<IDS_EULA>.
    std::string LicensePath() const;
    // Streams the file into the text area as RTF. Throws CFileException when
    // the file cannot be opened.
    void StreamLicense(const std::string& path);

    CButton m_btnContinue;
    CButton m_btnExit;
    CStatic m_staticHeader;
    CButton m_checkAgree;
    CRichEditCtrl m_richLicense;
    std::string m_language;
};

// The licence text area's background: red 217, green 223, blue 237.
constexpr COLORREF kLicenseBackground = RGB(217, 223, 237);
