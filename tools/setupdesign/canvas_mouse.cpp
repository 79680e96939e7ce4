// The canvas's pointer work and the selection's commands.
#include "app/system_code_page.h"
#include "graphics/display_scale.h"
#include "design_commands.h"
#include "document_profile.h"
#include "form_canvas.h"
#include "form_reach.h"
#include "framework/keyboard_cues.h"
#include "layout_edits.h"

#include <algorithm>
#include <cmath>

namespace {

// How near (client pixels) an edge snaps, and the size of a handle.
constexpr int kSnapReach = 5;
constexpr int kHandle = 7;

bool Inside(const RECT& rect, POINT point) {
    return ::PtInRect(&rect, point) != FALSE;
}

bool Contains(const std::vector<int>& numbers, int number) {
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

PixelRect Moved(const PixelRect& rect, int dx, int dy) {
    return Dragged(rect, kWholeRect, dx, dy);
}

} // namespace

RECT FormCanvas::ToClient(const RECT& picture) const {
    const auto x = [&](LONG v) { return kCanvasMargin - m_scroll.x + MulDiv(v, m_zoom, 100); };
    const auto y = [&](LONG v) { return kCanvasMargin - m_scroll.y + MulDiv(v, m_zoom, 100); };
    return RECT{x(picture.left), y(picture.top), x(picture.right), y(picture.bottom)};
}

int FormCanvas::DocumentPixels(int clientPixels) const {
    return static_cast<int>(
        std::lround(clientPixels * 100.0 / m_zoom * kBaseDpi / std::max(1, m_form.Dpi())));
}

PixelRect FormCanvas::VersionTextRect() const {
    const RECT ink = m_form.VersionTextInk();
    const int dpi = std::max(1, m_form.Dpi());
    const IniDocument& document = m_session.Document();
    const int x = document.Integer("main", "versionX", 0);
    const int y = document.Integer("main", "versionY", 0);
    return PixelRect{x, y, x + MulDiv(ink.right - ink.left, kBaseDpi, dpi),
                     y + MulDiv(ink.bottom - ink.top, kBaseDpi, dpi)};
}

int FormCanvas::ButtonAt(POINT point) const {
    // The last painted lies on top.
    for (int i = m_form.ButtonCount(); i >= 1; --i)
        if (Inside(ToClient(m_form.DrawnBounds(i - 1)), point))
            return i;
    return 0;
}

bool FormCanvas::OnVersionText(POINT point) const {
    return Inside(ToClient(m_form.VersionTextInk()), point);
}

bool FormCanvas::HandleAt(POINT point, int& number, MovingEdges& edges) const {
    for (int selected : m_session.Choice().buttons) {
        if (selected > m_form.ButtonCount())
            continue;
        const RECT r = ToClient(m_form.DrawnBounds(selected - 1));
        const LONG xs[3] = {r.left, (r.left + r.right) / 2, r.right};
        const LONG ys[3] = {r.top, (r.top + r.bottom) / 2, r.bottom};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                if (i == 1 && j == 1)
                    continue;
                const RECT grip{xs[i] - kHandle / 2 - 1, ys[j] - kHandle / 2 - 1,
                                xs[i] + kHandle / 2 + 2, ys[j] + kHandle / 2 + 2};
                if (Inside(grip, point)) {
                    number = selected;
                    edges = MovingEdges{i == 0, j == 0, i == 2, j == 2};
                    return true;
                }
            }
    }
    return false;
}

PixelRect FormCanvas::BoundsOf(int number) const {
    const std::vector<int>& selected = m_session.Choice().buttons;
    if (m_drag.moved) {
        if (m_drag.grip == Grip::kResize && number == m_drag.anchor)
            return m_drag.resized;
        const auto at = std::find(selected.begin(), selected.end(), number);
        if (m_drag.grip == Grip::kMove && at != selected.end() &&
            static_cast<size_t>(at - selected.begin()) < m_drag.starts.size())
            return Moved(m_drag.starts[at - selected.begin()], m_drag.dx, m_drag.dy);
    }
    return ButtonBounds(m_session.Document(), m_session.Choice().form, number);
}

std::vector<PixelRect> FormCanvas::Guides() const {
    const int dpi = std::max(1, m_form.Dpi());
    std::vector<PixelRect> guides{PixelRect{0, 0, MulDiv(m_form.Width(), kBaseDpi, dpi),
                                            MulDiv(m_form.Height(), kBaseDpi, dpi)}};
    const DesignChoice& choice = m_session.Choice();
    for (int n = 1; n <= m_form.ButtonCount(); ++n)
        if (!Contains(choice.buttons, n) || (m_drag.grip == Grip::kResize && n != m_drag.anchor))
            guides.push_back(ButtonBounds(m_session.Document(), choice.form, n));
    return guides;
}

void FormCanvas::SelectOnly(int number) {
    DesignChoice& choice = m_session.Choice();
    choice.buttons.assign(1, number);
    choice.versionText = false;
    m_session.Changed();
}

void FormCanvas::OnMouseDown(POINT point, WPARAM keys) {
    ::SetFocus(m_hWnd);
    DesignChoice& choice = m_session.Choice();
    const bool adding = (keys & (MK_CONTROL | MK_SHIFT)) != 0;
    Drag drag;
    drag.start = point;
    int number = 0;
    MovingEdges edges{};
    if (!adding && HandleAt(point, number, edges)) {
        drag.grip = Grip::kResize;
        drag.edges = edges;
        drag.anchor = number;
        drag.anchorStart = ButtonBounds(m_session.Document(), choice.form, number);
        drag.resized = drag.anchorStart;
    } else if ((number = ButtonAt(point)) != 0) {
        if (adding && Contains(choice.buttons, number)) {
            choice.buttons.erase(std::find(choice.buttons.begin(), choice.buttons.end(), number));
            m_session.Changed();
            return;
        }
        if (adding)
            choice.buttons.push_back(number);
        else if (!Contains(choice.buttons, number)) {
            choice.buttons.assign(1, number);
            choice.versionText = false;
        }
        drag.grip = Grip::kMove;
        drag.edges = kWholeRect;
        drag.anchor = number;
        drag.anchorStart = ButtonBounds(m_session.Document(), choice.form, number);
    } else if (OnVersionText(point)) {
        if (!adding)
            choice.buttons.clear();
        choice.versionText = true;
        drag.grip = Grip::kMove;
        drag.edges = kWholeRect;
        drag.anchor = 0;
        drag.anchorStart = VersionTextRect();
    } else {
        if (!adding) {
            choice.buttons.clear();
            choice.versionText = false;
        }
        m_session.Changed();
        return;
    }
    for (int selected : choice.buttons)
        drag.starts.push_back(ButtonBounds(m_session.Document(), choice.form, selected));
    const IniDocument& document = m_session.Document();
    drag.versionStart =
        POINT{document.Integer("main", "versionX", 0), document.Integer("main", "versionY", 0)};
    m_drag = std::move(drag);
    ::SetCapture(m_hWnd);
    m_session.Changed();
}

void FormCanvas::OnMouseMove(POINT point, WPARAM keys) {
    if (m_drag.grip == Grip::kNone)
        return;
    // The button was let go where the canvas did not hear it: the drag ends there.
    if (!(keys & MK_LBUTTON)) {
        CommitDrag();
        return;
    }
    const int dx = DocumentPixels(point.x - m_drag.start.x);
    const int dy = DocumentPixels(point.y - m_drag.start.y);
    if (!m_drag.moved && dx == 0 && dy == 0)
        return;
    // Alt held: no snapping, as in the platform's own designers.
    const bool snapping = ::GetKeyState(VK_MENU) >= 0;
    const int reach = snapping ? std::max(1, DocumentPixels(kSnapReach)) : -1;
    const PixelRect dragged = Dragged(m_drag.anchorStart, m_drag.edges, dx, dy);
    const PixelRect snapped = reach < 0 ? dragged : Snapped(dragged, m_drag.edges, Guides(), reach);
    if (m_drag.grip == Grip::kResize) {
        m_drag.resized = Dragged(snapped, MovingEdges{}, 0, 0);
    } else {
        m_drag.dx = snapped.left - m_drag.anchorStart.left;
        m_drag.dy = snapped.top - m_drag.anchorStart.top;
    }
    m_drag.moved = true;
    Refresh();
}

void FormCanvas::OnMouseUp() {
    if (m_drag.grip == Grip::kNone)
        return;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    CommitDrag();
}

void FormCanvas::CommitDrag() {
    const Drag drag = std::move(m_drag);
    m_drag = Drag{};
    if (!drag.moved) {
        Refresh();
        return;
    }
    const DesignChoice& choice = m_session.Choice();
    const std::string form = choice.form;
    std::vector<std::pair<int, PixelRect>> bounds;
    for (size_t i = 0; i < choice.buttons.size() && i < drag.starts.size(); ++i) {
        const int number = choice.buttons[i];
        if (drag.grip == Grip::kResize)
            bounds.emplace_back(number, number == drag.anchor ? drag.resized : drag.starts[i]);
        else
            bounds.emplace_back(number, Moved(drag.starts[i], drag.dx, drag.dy));
    }
    const bool version = choice.versionText && drag.grip == Grip::kMove;
    const POINT versionAt{drag.versionStart.x + drag.dx, drag.versionStart.y + drag.dy};
    m_session.Edit([&](IniDocument& document) {
        for (const auto& [number, rect] : bounds)
            SetButtonBounds(document, form, number, rect);
        if (version) {
            document.SetValue("main", "versionX", std::to_string(versionAt.x));
            document.SetValue("main", "versionY", std::to_string(versionAt.y));
        }
    });
    Refresh();
}

void FormCanvas::OnDoubleClick(POINT point) {
    const int number = ButtonAt(point);
    if (number == 0)
        return;
    SelectOnly(number);
    OpenSelectedSubform();
}

bool FormCanvas::OpenSelectedSubform() {
    DesignChoice& choice = m_session.Choice();
    if (choice.buttons.size() != 1)
        return false;
    const std::string target = SubformOf(m_session.Document(), choice.form, choice.buttons[0]);
    if (target.empty())
        return false;
    choice.form = target;
    choice.buttons.clear();
    choice.versionText = false;
    m_session.Changed();
    return true;
}

void FormCanvas::NudgeSelection(int dx, int dy) {
    const DesignChoice choice = m_session.Choice();
    m_session.Edit([&](IniDocument& document) {
        for (int number : choice.buttons)
            SetButtonBounds(document, choice.form, number,
                            Moved(ButtonBounds(document, choice.form, number), dx, dy));
        if (choice.versionText) {
            document.SetValue("main", "versionX",
                              std::to_string(document.Integer("main", "versionX", 0) + dx));
            document.SetValue("main", "versionY",
                              std::to_string(document.Integer("main", "versionY", 0) + dy));
        }
    });
}

void FormCanvas::DeleteSelection() {
    DesignChoice& choice = m_session.Choice();
    std::vector<int> numbers = choice.buttons;
    std::sort(numbers.rbegin(), numbers.rend());
    const std::string form = choice.form;
    choice.buttons.clear();
    m_session.Edit([&](IniDocument& document) {
        for (int number : numbers)
            DeleteButton(document, form, number);
    });
}

void FormCanvas::AlignSelection(Alignment alignment) {
    const DesignChoice choice = m_session.Choice();
    std::vector<PixelRect> rects;
    for (int number : choice.buttons)
        rects.push_back(ButtonBounds(m_session.Document(), choice.form, number));
    Align(rects, alignment);
    m_session.Edit([&](IniDocument& document) {
        for (size_t i = 0; i < rects.size(); ++i)
            SetButtonBounds(document, choice.form, choice.buttons[i], rects[i]);
    });
}

void FormCanvas::SameSizeSelection() {
    const DesignChoice choice = m_session.Choice();
    std::vector<PixelRect> rects;
    for (int number : choice.buttons)
        rects.push_back(ButtonBounds(m_session.Document(), choice.form, number));
    MakeSameSize(rects);
    m_session.Edit([&](IniDocument& document) {
        for (size_t i = 0; i < rects.size(); ++i)
            SetButtonBounds(document, choice.form, choice.buttons[i], rects[i]);
    });
}

void FormCanvas::PaintSelection(HDC dc) const {
    const DesignChoice& choice = m_session.Choice();
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    UniquePen outline(::CreatePen(PS_SOLID, 1, highlight));
    UniqueBrush grip(::CreateSolidBrush(highlight));
    SelectScope pen(dc, outline.get());
    SelectScope hollow(dc, ::GetStockObject(NULL_BRUSH));
    for (int number : m_marked) {
        if (number < 1 || number > m_form.ButtonCount())
            continue;
        RECT r = ToClient(m_form.DrawnBounds(number - 1));
        ::InflateRect(&r, 3, 3);
        UniquePen red(::CreatePen(PS_SOLID, 2, RGB(0xD0, 0, 0)));
        SelectScope marked(dc, red.get());
        ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    for (int number : choice.buttons) {
        if (number > m_form.ButtonCount())
            continue;
        RECT r = ToClient(m_form.DrawnBounds(number - 1));
        ::Rectangle(dc, r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
        const LONG xs[3] = {r.left, (r.left + r.right) / 2, r.right};
        const LONG ys[3] = {r.top, (r.top + r.bottom) / 2, r.bottom};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                if (i != 1 || j != 1) {
                    const RECT handle{xs[i] - kHandle / 2, ys[j] - kHandle / 2,
                                      xs[i] + kHandle / 2 + 1, ys[j] + kHandle / 2 + 1};
                    ::FillRect(dc, &handle, grip.get());
                    ::FrameRect(dc, &handle, ::GetSysColorBrush(COLOR_WINDOW));
                }
    }
    if (choice.versionText) {
        RECT r = ToClient(m_form.VersionTextInk());
        ::InflateRect(&r, 2, 2);
        UniquePen dotted(::CreatePen(PS_DOT, 1, highlight));
        SelectScope selected(dc, dotted.get());
        ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    if (::GetFocus() == m_hWnd && FocusCueShown(m_hWnd)) {
        RECT whole = ToClient(RECT{0, 0, m_form.Width(), m_form.Height()});
        ::InflateRect(&whole, kCanvasMargin / 2, kCanvasMargin / 2);
        ::DrawFocusRect(dc, &whole);
    }
}

void FormCanvas::Describe() {
    const DesignChoice& choice = m_session.Choice();
    const DocumentProfile profile(m_session.Document(), CurrentLeadBytes());
    std::string name = "Form " + choice.form + " (" + choice.language + ")";
    for (int number : choice.buttons)
        name += ", button " + std::to_string(number) + " \"" +
                profile.Text(choice.language,
                             profile.Value(ButtonSectionName(choice.form, number), "label")) +
                "\" selected";
    if (choice.versionText)
        name += ", version text selected";
    if (GetWindowText() != name) {
        SetWindowText(name);
        ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    }
}
