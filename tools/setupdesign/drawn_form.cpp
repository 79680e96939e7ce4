#include "drawn_form.h"

#include "designer_resources.h"
#include "forms/form_layout.h"
#include "forms/form_look.h"
#include "controls/crt_random.h"
#include "graphics/display_scale.h"

#include <algorithm>
#include <climits>

namespace {

INT_PTR CALLBACK HostProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

int Span(int from, int to) {
    const long long length = static_cast<long long>(to) - from;
    return static_cast<int>(length < INT_MIN ? INT_MIN : length > INT_MAX ? INT_MAX : length);
}

} // namespace

DrawnForm::~DrawnForm() {
    // The buttons go before the fonts they use; the host last.
    for (CShadeButtonST& button : m_buttons)
        button.DestroyWindow();
    // Bound, not made, by its object: destroyed here.
    if (const HWND host = m_host.m_hWnd)
        ::DestroyWindow(host);
}

bool DrawnForm::Create() {
    const HWND host = ::CreateDialogParamA(::GetModuleHandleA(nullptr),
                                           MAKEINTRESOURCEA(IDD_FORM_HOST), nullptr, HostProc, 0);
    if (!host)
        return false;
    if (!m_host.SubclassWindow(host)) {
        ::DestroyWindow(host);
        return false;
    }
    return true;
}

bool DrawnForm::UsePicture(const std::string& path, const DisplayFit& fit) {
    if (path == m_picturePath && fit.dpi == m_pictureFitDpi && !m_picture.IsNull())
        return true;
    m_picturePath = path;
    m_pictureFitDpi = fit.dpi;
    CImage decoded;
    if (FAILED(decoded.Load(path, fit)) || decoded.IsNull()) {
        m_picture.Destroy();
        m_shape.reset();
        return false;
    }
    m_picture.Swap(decoded);
    m_picture.ComposeOverBlack();
    m_shape = m_picture.VisibleRegion();
    return true;
}

void DrawnForm::UseFont(int index, const std::string& face, int dpi) {
    if (m_fonts[index].GetSafeHandle() && m_fontFaces[index] == face && m_fontDpi[index] == dpi)
        return;
    const HFONT formFont = reinterpret_cast<HFONT>(::SendMessageA(m_host.m_hWnd, WM_GETFONT, 0, 0));
    LOGFONTA description = ButtonFontDescription(
        formFont ? formFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)), face);
    if (dpi != kBaseDpi)
        description.lfHeight = ScaledLength(kButtonFontHeight, dpi);
    const HFONT font = ::CreateFontIndirectA(&description);
    // The button takes the new font before the old one goes.
    m_buttons[index].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    m_fonts[index].Attach(font);
    m_fontFaces[index] = face;
    m_fontDpi[index] = dpi;
}

void DrawnForm::Show(const LauncherSettings& settings, const FormButtons& buttons) {
    m_settings = settings;
    const int dpi = Dpi();
    if (!m_versionFont.GetSafeHandle() || m_versionFace != settings.m_versionFont ||
        m_versionFontDpi != dpi) {
        const LOGFONTA description = VersionFontDescription(settings.m_versionFont, dpi);
        m_versionFont.Attach(::CreateFontIndirectA(&description));
        m_versionFace = settings.m_versionFont;
        m_versionFontDpi = dpi;
    }
    for (int i = buttons.count; i < m_count; ++i)
        ::ShowWindow(m_buttons[i].m_hWnd, SW_HIDE);
    m_count = buttons.count;
    // The generator as a newly started launcher has it before its first form.
    UiThreadRandom().Restart();
    const RECT shownArea{0, 0, Width(), Height()};
    for (int i = 0; i < m_count; ++i) {
        const ButtonSettings& wanted = buttons.buttons[i];
        CShadeButtonST& button = m_buttons[i];
        const PixelRect r = dpi == kBaseDpi ? wanted.bounds : ScaledRect(wanted.bounds, dpi);
        m_drawnBounds[i] = RECT{r.left, r.top, r.right, r.bottom};
        if (!button.m_hWnd) {
            const RECT rect{r.left, r.top, r.right, r.bottom};
            if (!button.Create(wanted.caption.c_str(), kButtonStyle, rect, &m_host,
                               ButtonCommandId(i + 1)))
                continue;
        } else {
            if (button.GetWindowText() != wanted.caption)
                button.SetWindowText(wanted.caption);
            ::MoveWindow(button.m_hWnd, r.left, r.top, Span(r.left, r.right), Span(r.top, r.bottom),
                         FALSE);
            ::ShowWindow(button.m_hWnd, SW_SHOWNA);
        }
        UseFont(i, wanted.face, dpi);
        ShadeFormButton(button, shownArea);
    }
}

void DrawnForm::SystemColoursChanged() {
    for (CShadeButtonST& button : m_buttons)
        if (button.m_hWnd)
            button.SendMessage(WM_SYSCOLORCHANGE);
}

RECT DrawnForm::VersionTextBounds() const {
    const PixelRect bounds = VersionTextRectangle(m_settings.m_versionX, m_settings.m_versionY,
                                                  Width(), Height(), Dpi());
    return RECT{bounds.left, bounds.top, bounds.right, bounds.bottom};
}

RECT DrawnForm::VersionTextInk() const {
    const RECT bounds = VersionTextBounds();
    RECT ink = bounds;
    WindowDC screen(nullptr);
    {
        SelectScope font(screen.get(), m_versionFont.GetSafeHandle());
        ::DrawTextA(screen.get(), m_settings.m_versionNumber.c_str(), -1, &ink, DT_CALCRECT);
    }
    constexpr int kLeast = 8;
    ink.right = std::max(ink.right, ink.left + kLeast);
    ink.bottom = std::max(ink.bottom, ink.top + kLeast);
    return ink;
}

void DrawnForm::Paint(HDC dc) {
    m_picture.Draw(dc, 0, 0);
    DrawVersionText(dc, m_settings.m_versionNumber, m_versionFont.GetSafeHandle(),
                    VersionTextBounds());
    for (int i = 0; i < m_count; ++i) {
        const RECT& place = m_drawnBounds[i];
        const int saved = ::SaveDC(dc);
        ::OffsetViewportOrgEx(dc, place.left, place.top, nullptr);
        ::IntersectClipRect(dc, 0, 0, Span(place.left, place.right), Span(place.top, place.bottom));
        m_buttons[i].PaintInto(dc);
        ::RestoreDC(dc, saved);
    }
}
