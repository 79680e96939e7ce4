#include "form_canvas.h"

#include "app/launcher_settings.h"
#include "app/paths.h"
#include "app/system_code_page.h"
#include "design_commands.h"
#include "document_profile.h"
#include "form_reach.h"
#include "framework/frame_window.h"
#include "framework/keyboard_cues.h"
#include "framework/screen_scale.h"
#include "layout_edits.h"

#include <algorithm>

namespace {

constexpr int kChequer = 8;
constexpr COLORREF kChequerLight = RGB(0xE0, 0xE0, 0xE0);
constexpr COLORREF kChequerDark = RGB(0xB0, 0xB0, 0xB0);
constexpr int kScrollLine = 20;

LONGLONG Ticks() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double MillisecondsSince(LONGLONG start) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart ? (Ticks() - start) * 1000.0 / frequency.QuadPart : 0;
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    UniqueBrush brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &rect, brush.get());
}

} // namespace

bool FormCanvas::Create(HWND parent) {
    if (!RegisterFrameClass(kCanvasClass, CS_DBLCLKS, nullptr) || !m_form.Create())
        return false;
    const CWnd* parentWnd = CWnd::FromHandle(parent);
    if (!CreateEx(WS_EX_CLIENTEDGE, kCanvasClass, "Form",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL, RECT{0, 0, 10, 10},
                  parentWnd, kCanvasId))
        return false;
    Refresh();
    return true;
}

void FormCanvas::Refresh() {
    const LONGLONG start = Ticks();
    DesignChoice& choice = m_session.Choice();
    const IniDocument& document = m_session.Document();
    // A selection that an undo or a deletion left behind is dropped.
    const int count = ButtonCount(document, choice.form);
    choice.buttons.erase(std::remove_if(choice.buttons.begin(), choice.buttons.end(),
                                        [&](int n) { return n < 1 || n > count; }),
                         choice.buttons.end());

    const DocumentProfile profile(document, CurrentLeadBytes());
    LauncherSettings settings;
    ReadLauncherSettingsFrom(profile, settings);
    FormButtons buttons = ReadFormButtonsFrom(profile, choice.form, choice.language);
    if (m_drag.moved) {
        for (int number : choice.buttons)
            if (number <= buttons.count)
                buttons.buttons[number - 1].bounds = BoundsOf(number);
        if (choice.versionText) {
            settings.m_versionX = m_drag.versionStart.x + m_drag.dx;
            settings.m_versionY = m_drag.versionStart.y + m_drag.dy;
        }
    }
    // As the launcher: at the display's scale unless [main] dpiScaling says not.
    const DisplayFit fit = settings.m_dpiScaling ? ScreenFit() : DisplayFit{};
    m_form.UsePicture(JoinPath(m_session.Folder(), settings.m_imageFile, CurrentLeadBytes()), fit);
    m_form.Show(settings, buttons);
    DrawFrame();
    UpdateScrollBars();
    Describe();
    Invalidate(false);
    if (m_drag.moved) {
        ::UpdateWindow(m_hWnd);
        m_lastFrameMs = MillisecondsSince(start);
    }
}

void FormCanvas::SystemColoursChanged() {
    m_form.SystemColoursChanged();
    Refresh();
}

void FormCanvas::DrawFrame() {
    const int width = std::max(1, m_form.Width());
    const int height = std::max(1, m_form.Height());
    WindowDC screen(m_hWnd);
    MemoryDC dc(screen.get());
    if (!m_frame || [&] {
            BITMAP info{};
            return ::GetObjectA(m_frame.get(), sizeof info, &info) == 0 || info.bmWidth != width ||
                   info.bmHeight != height;
        }())
        m_frame.reset(::CreateCompatibleBitmap(screen.get(), width, height));
    SelectScope bitmap(dc.get(), m_frame.get());
    if (!m_chequer) {
        // One tile of the chequer that shows the see-through parts.
        MemoryDC tileDc(screen.get());
        UniqueBitmap tile(::CreateCompatibleBitmap(screen.get(), 2 * kChequer, 2 * kChequer));
        {
            SelectScope tileBitmap(tileDc.get(), tile.get());
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 2; ++x)
                    FillColour(
                        tileDc.get(),
                        RECT{x * kChequer, y * kChequer, (x + 1) * kChequer, (y + 1) * kChequer},
                        (x + y) % 2 ? kChequerDark : kChequerLight);
        }
        m_chequer.reset(::CreatePatternBrush(tile.get()));
    }
    const RECT whole{0, 0, width, height};
    ::FillRect(dc.get(), &whole, m_chequer.get());
    if (m_form.Picture().IsNull())
        return;
    // Only the picture's visible part shows the form, as the launcher's
    // window region does.
    if (m_form.Shape())
        ::SelectClipRgn(dc.get(), m_form.Shape());
    m_form.Paint(dc.get());
    ::SelectClipRgn(dc.get(), nullptr);
}

SIZE FormCanvas::ShownSize() const {
    return SIZE{m_form.Width() * m_zoom / 100, m_form.Height() * m_zoom / 100};
}

void FormCanvas::SetZoom(int percent) {
    m_zoom = std::clamp(percent, 50, 200);
    UpdateScrollBars();
    Describe();
    Invalidate(false);
}

void FormCanvas::MarkButtons(std::vector<int> numbers) {
    m_marked = std::move(numbers);
    Invalidate(false);
}

void FormCanvas::OnPaint() {
    PaintScope paint(m_hWnd);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    MemoryDC back(paint.dc());
    UniqueBitmap surface(::CreateCompatibleBitmap(paint.dc(), std::max(1L, client.right),
                                                  std::max(1L, client.bottom)));
    SelectScope backBitmap(back.get(), surface.get());
    ::FillRect(back.get(), &client, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    {
        MemoryDC frame(paint.dc());
        SelectScope frameBitmap(frame.get(), m_frame.get());
        const SIZE shown = ShownSize();
        const int x = kCanvasMargin - m_scroll.x, y = kCanvasMargin - m_scroll.y;
        if (m_zoom == 100) {
            ::BitBlt(back.get(), x, y, shown.cx, shown.cy, frame.get(), 0, 0, SRCCOPY);
        } else {
            ::SetStretchBltMode(back.get(), HALFTONE);
            ::SetBrushOrgEx(back.get(), 0, 0, nullptr);
            ::StretchBlt(back.get(), x, y, shown.cx, shown.cy, frame.get(), 0, 0, m_form.Width(),
                         m_form.Height(), SRCCOPY);
        }
    }
    PaintSelection(back.get());
    ::BitBlt(paint.dc(), 0, 0, client.right, client.bottom, back.get(), 0, 0, SRCCOPY);
}

LRESULT FormCanvas::DialogCode(const MSG* message) const {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (!message || message->message != WM_KEYDOWN)
        return code;
    const DesignChoice& choice = m_session.Choice();
    const int count = m_form.ButtonCount();
    switch (message->wParam) {
    case VK_TAB: {
        // Tab walks the buttons; past the first or last it leaves the canvas.
        const bool back = ::GetKeyState(VK_SHIFT) < 0;
        if (choice.buttons.empty())
            return count > 0 ? code | DLGC_WANTTAB : code;
        const auto [low, high] = std::minmax_element(choice.buttons.begin(), choice.buttons.end());
        return (back ? *low > 1 : *high < count) ? code | DLGC_WANTTAB : code;
    }
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_DELETE:
        return choice.buttons.empty() && !choice.versionText ? code : code | DLGC_WANTALLKEYS;
    default:
        return code;
    }
}

bool FormCanvas::OnKey(WPARAM key) {
    const int step = ::GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
    DesignChoice& choice = m_session.Choice();
    switch (key) {
    case VK_LEFT:
        NudgeSelection(-step, 0);
        return true;
    case VK_RIGHT:
        NudgeSelection(step, 0);
        return true;
    case VK_UP:
        NudgeSelection(0, -step);
        return true;
    case VK_DOWN:
        NudgeSelection(0, step);
        return true;
    case VK_DELETE:
        DeleteSelection();
        return true;
    case VK_RETURN:
        OpenSelectedSubform();
        return true;
    case VK_ESCAPE:
        choice.buttons.clear();
        choice.versionText = false;
        m_session.Changed();
        return true;
    case VK_TAB: {
        const int count = m_form.ButtonCount();
        if (count == 0)
            return true;
        const bool back = ::GetKeyState(VK_SHIFT) < 0;
        int next = back ? count : 1;
        if (!choice.buttons.empty()) {
            const auto [low, high] =
                std::minmax_element(choice.buttons.begin(), choice.buttons.end());
            next = std::clamp(back ? *low - 1 : *high + 1, 1, count);
        }
        SelectOnly(next);
        return true;
    }
    default:
        return false;
    }
}

void FormCanvas::UpdateScrollBars() {
    if (!m_hWnd)
        return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const SIZE shown = ShownSize();
    const int extents[2] = {shown.cx + 2 * kCanvasMargin, shown.cy + 2 * kCanvasMargin};
    const int pages[2] = {client.right, client.bottom};
    LONG* positions[2] = {&m_scroll.x, &m_scroll.y};
    for (int bar = SB_HORZ; bar <= SB_VERT; ++bar) {
        *positions[bar] =
            std::clamp<LONG>(*positions[bar], 0, std::max(0, extents[bar] - pages[bar]));
        SCROLLINFO info{sizeof info,
                        SIF_ALL,
                        0,
                        extents[bar] - 1,
                        static_cast<UINT>(std::max(0, pages[bar])),
                        *positions[bar],
                        0};
        ::SetScrollInfo(m_hWnd, bar, &info, TRUE);
    }
}

void FormCanvas::Scroll(int bar, WPARAM request) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(m_hWnd, bar, &info);
    int position = info.nPos;
    switch (LOWORD(request)) {
    case SB_LINEUP:
        position -= kScrollLine;
        break;
    case SB_LINEDOWN:
        position += kScrollLine;
        break;
    case SB_PAGEUP:
        position -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        position += static_cast<int>(info.nPage);
        break;
    case SB_TOP:
        position = info.nMin;
        break;
    case SB_BOTTOM:
        position = info.nMax;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    default:
        return;
    }
    (bar == SB_HORZ ? m_scroll.x : m_scroll.y) = position;
    UpdateScrollBars();
    Invalidate(false);
}

bool FormCanvas::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    result = 0;
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_SIZE:
        UpdateScrollBars();
        Invalidate(false);
        return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
        Scroll(msg == WM_HSCROLL ? SB_HORZ : SB_VERT, wParam);
        return true;
    case WM_MOUSEWHEEL:
        if (LOWORD(wParam) & MK_CONTROL)
            SetZoom(m_zoom + (static_cast<short>(HIWORD(wParam)) > 0 ? 25 : -25));
        else
            Scroll(SB_VERT, static_cast<short>(HIWORD(wParam)) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return true;
    case WM_GETDLGCODE:
        result = DialogCode(reinterpret_cast<const MSG*>(lParam));
        return true;
    case WM_KEYDOWN:
        return OnKey(wParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        Invalidate(false);
        return msg != WM_UPDATEUISTATE;
    case WM_LBUTTONDOWN:
        OnMouseDown(point, wParam);
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove(point, wParam);
        return true;
    case WM_LBUTTONUP:
        OnMouseUp();
        return true;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(point);
        return true;
    case WM_SETCURSOR: {
        POINT at{};
        ::GetCursorPos(&at);
        ::ScreenToClient(m_hWnd, &at);
        int number = 0;
        MovingEdges edges{};
        if (LOWORD(lParam) != HTCLIENT || !HandleAt(at, number, edges))
            return false;
        const bool diagonal = (edges.left || edges.right) && (edges.top || edges.bottom);
        const bool falling = (edges.left && edges.top) || (edges.right && edges.bottom);
        ::SetCursor(::LoadCursorA(nullptr, diagonal ? (falling ? IDC_SIZENWSE : IDC_SIZENESW)
                                           : (edges.left || edges.right) ? IDC_SIZEWE
                                                                         : IDC_SIZENS));
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}
