#include "forms/subform_dlg.h"

#include "forms/form_look.h"

#include "app/face_name.h"
#include "app/launcher_settings.h"
#include "app/program_folder.h"
#include "app/setup_ini.h"
#include "app/system_code_page.h"
#include "framework/accessible_object.h"
#include "graphics/display_scale.h"
#include "framework/keyboard_cues.h"
#include "framework/message_box.h"
#include "res/resource.h"

#include <climits>

namespace {

constexpr UINT_PTR kIconTimer = 1;
// The icons' delay after a paint of the form: long enough for its buttons'
// paints, so that the thread waits first, which is when the window system
// shows what was painted.
constexpr UINT kIconDelayMs = 50;

// The dialog's own font, else the stock GUI font, else the variable ANSI font.
HFONT BaseFont(HWND dialog) {
    if (HFONT font = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)))
        return font;
    if (HGDIOBJ font = ::GetStockObject(DEFAULT_GUI_FONT))
        return static_cast<HFONT>(font);
    return static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
}

// Every form shows the one picture [main] names, beside the program.
std::string PicturePath() {
    return JoinPath(GetProgramFolder(), RunSettings().m_imageFile, CurrentLeadBytes());
}

} // namespace

CSubformDlg::CSubformDlg(const std::string& language, const std::string& langId,
                         const std::string& installLang, const std::string& formName, CWnd* parent)
    : CBDialog(IDD_SUBFORM, parent),
      // The program's icon for the task bar and the task switcher; shared, never destroyed.
      m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_installLang(installLang), m_language(language), m_langId(langId), m_formName(formName) {}

CSubformDlg::~CSubformDlg() {
    // Fonts go before the buttons that used them; the windows are gone by now.
    m_versionTextFont.DeleteObject();
    for (int i = 0; i < m_buttonCount; ++i)
        m_buttonFonts[i].DeleteObject();
}

BOOL CSubformDlg::OnInitDialog() {
    CBDialog::OnInitDialog();
    // Handing the icons to the window system takes longer than painting the
    // form: they follow the first paint (timers come after every paint), which
    // moves them later still (see OnPaint).
    ::SetTimer(m_hWnd, kIconTimer, 0, nullptr);
    ModifyStyleEx(WS_EX_APPWINDOW, 0);

    const LauncherSettings& settings = RunSettings();
    // Buttons first: a preload reads the picture meanwhile.
    CreateButtons();
    const int failed = LoadFormPicture();
    m_preload = nullptr; // all taken
    if (failed != 0) {
        AppMessageBox(kPictureLoadFailure, MB_OK | MB_ICONEXCLAMATION);
        // Ends every form at once, nested ones too: without its picture the
        // launcher has nothing to show.
        ::ExitProcess(0);
    }
    // The picture tells the scale it was drawn at, fitted to the work area.
    const int dpi = Picture().GetDpi();
    CreateVersionFont(dpi);
    if (dpi != kBaseDpi)
        ScaleButtons(dpi);
    ShadeButtons();
    CenterWindow(GetPictureWidth(), GetPictureHeight());
    // Fully transparent pixels of the picture are see-through; the window owns the region.
    UniqueRegion shape = Picture().VisibleRegion();
    if (shape && ::SetWindowRgn(m_hWnd, shape.get(), FALSE))
        shape.release();
    SetWindowText(settings.m_productName);
    return TRUE;
}

CFormPreload* CSubformDlg::ServingPreload() const {
    return m_preload && m_preload->Serves(m_formName, m_language, PicturePath()) ? m_preload
                                                                                 : nullptr;
}

int CSubformDlg::LoadFormPicture() {
    if (SharesPicture())
        return Picture().IsNull() ? 1 : 0;
    if (CFormPreload* preload = ServingPreload()) {
        CImage decoded;
        const HRESULT result = preload->TakePicture(decoded);
        return AdoptPicture(decoded, result);
    }
    return LoadPicture(PicturePath());
}

void CSubformDlg::CreateVersionFont(int dpi) {
    const LOGFONTA description = VersionFontDescription(RunSettings().m_versionFont, dpi);
    m_versionTextFont.Attach(::CreateFontIndirectA(&description));
}

void CSubformDlg::CreateButtons() {
    const HFONT baseFont = BaseFont(m_hWnd);
    CFormPreload* preload = ServingPreload();
    const FormButtons form =
        preload ? preload->TakeButtons() : ReadFormButtons(m_formName, m_language);
    m_buttonCount = form.count;
    for (int number = 1; number <= m_buttonCount; ++number) {
        CShadeButtonST& button = m_buttons[number - 1];
        CFont& font = m_buttonFonts[number - 1];
        const ButtonSettings& settings = form.buttons[number - 1];

        font.CreateFontIndirect(ButtonFontDescription(baseFont, settings.face));

        const PixelRect& bounds = settings.bounds;
        m_buttonBounds[number - 1] = bounds;
        const RECT rect{bounds.left, bounds.top, bounds.right, bounds.bottom};
        if (!button.Create(settings.caption.c_str(), kButtonStyle, rect, this,
                           ButtonCommandId(number)))
            continue;
        button.SetAction(settings.action);
        button.SetUrl(settings.url);
        button.SetArgs(settings.args);
        button.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    }
}

void CSubformDlg::ScaleButtons(int dpi) {
    const auto span = [](int from, int to) {
        const long long length = static_cast<long long>(to) - from;
        return static_cast<int>(length < INT_MIN ? INT_MIN : length > INT_MAX ? INT_MAX : length);
    };
    for (int i = 0; i < m_buttonCount; ++i) {
        const HWND button = m_buttons[i].GetSafeHwnd();
        LOGFONTA description{};
        if (!button || !m_buttonFonts[i].GetLogFont(&description))
            continue;
        const PixelRect r = ScaledRect(m_buttonBounds[i], dpi);
        ::MoveWindow(button, r.left, r.top, span(r.left, r.right), span(r.top, r.bottom), FALSE);
        description.lfHeight = ScaledLength(kButtonFontHeight, dpi);
        // The button takes the new font before the old one goes.
        const HFONT scaled = ::CreateFontIndirectA(&description);
        if (!scaled)
            continue;
        m_buttons[i].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(scaled), FALSE);
        m_buttonFonts[i].Attach(scaled);
    }
}

void CSubformDlg::ShadeButtons() {
    // The form takes the picture's size: no part of a button outside it shows.
    const RECT shownArea{0, 0, GetPictureWidth(), GetPictureHeight()};
    for (int i = 0; i < m_buttonCount; ++i)
        if (m_buttons[i].GetSafeHwnd())
            ShadeFormButton(m_buttons[i], shownArea);
}

bool CSubformDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        result = 0;
        return true;
    case WM_TIMER:
        if (wParam != kIconTimer)
            return CBDialog::OnMessage(msg, wParam, lParam, result);
        ::KillTimer(m_hWnd, kIconTimer);
        m_iconsGiven = true;
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
        result = 0;
        return true;
    case WM_GETOBJECT: {
        // The form is named by its title; the version text painted on the
        // picture is read as its description.
        AccessibleFacts facts;
        facts.description = RunSettings().m_versionNumber;
        if (AnswerAccessibleObject(m_hWnd, wParam, lParam, facts, result))
            return true;
        return CBDialog::OnMessage(msg, wParam, lParam, result);
    }
    case WM_QUERYDRAGICON:
        // The icon shown while the minimised window is dragged.
        result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    default:
        return CBDialog::OnMessage(msg, wParam, lParam, result);
    }
}

void CSubformDlg::OnPaint() {
    // What is due, in the form's client coordinates, before painting takes it.
    UniqueRegion due(::CreateRectRgn(0, 0, 0, 0));
    if (due && ::GetUpdateRgn(m_hWnd, due.get(), FALSE) == ERROR)
        due.reset();
    PaintScope paint(m_hWnd);
    if (!::IsIconic(m_hWnd)) {
        PaintVersionText(paint.dc());
        if (due)
            PaintButtonsInPlace(paint.dc(), due.get());
        // The icons wait until the form is on the screen.
        if (!m_iconsGiven)
            ::SetTimer(m_hWnd, kIconTimer, kIconDelayMs, nullptr);
        return;
    }
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.dc()));
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    if (m_hIcon)
        ::DrawIcon(paint.dc(), x, y, m_hIcon);
}

void CSubformDlg::PaintButtonsInPlace(HDC dc, HRGN due) {
    // In the order of creation, which is the window order from the top: the
    // system paints siblings that way too, so where buttons overlap (they do
    // not clip each other), the lower one ends up drawn over the upper one,
    // just as after their own paints.
    for (int i = 0; i < m_buttonCount; ++i) {
        const HWND button = m_buttons[i].GetSafeHwnd();
        if (!button || !::IsWindowVisible(button))
            continue;
        RECT client{};
        ::GetClientRect(button, &client);
        POINT origin{0, 0};
        ::MapWindowPoints(button, m_hWnd, &origin, 1);
        UniqueRegion part(
            ::CreateRectRgn(origin.x, origin.y, origin.x + client.right, origin.y + client.bottom));
        if (!part || ::CombineRgn(part.get(), part.get(), due, RGN_AND) <= NULLREGION)
            continue;
        const int saved = ::SaveDC(dc);
        ::OffsetViewportOrgEx(dc, origin.x, origin.y, nullptr);
        ::IntersectClipRect(dc, 0, 0, client.right, client.bottom);
        m_buttons[i].PaintInto(dc);
        ::RestoreDC(dc, saved);
        // Done for what this paint covered of it; the rest stays due.
        ::OffsetRgn(part.get(), -origin.x, -origin.y);
        ::ValidateRgn(button, part.get());
    }
}

void CSubformDlg::PaintVersionText(HDC dc) {
    const LauncherSettings& settings = RunSettings();
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const PixelRect bounds = VersionTextRectangle(settings.m_versionX, settings.m_versionY,
                                                  client.right, client.bottom, Picture().GetDpi());
    DrawVersionText(dc, settings.m_versionNumber, m_versionTextFont.GetSafeHandle(),
                    RECT{bounds.left, bounds.top, bounds.right, bounds.bottom});
}
