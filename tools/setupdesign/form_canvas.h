// The canvas: the chosen form in the chosen language, drawn as the launcher
// draws it, with the selection over it. Click selects (Ctrl or Shift adds),
// dragging moves, the handles resize, arrow keys move by one pixel of
// Setup.ini (Shift: ten), Tab moves the selection from button to button,
// double-click (or Enter) opens the form of a subform button. Every change
// goes to the session as one edit.
#pragma once

#include "design_session.h"
#include "drawn_form.h"
#include "forms/form_layout.h"
#include "framework/gdi.h"
#include "framework/wnd.h"
#include "layout_geometry.h"

#include <vector>

class FormCanvas : public CWnd {
public:
    explicit FormCanvas(DesignSession& session) : m_session(session) {}

    bool Create(HWND parent);
    // Draws the session's document and choice again.
    void Refresh();
    // The system's colours or scheme changed: the form is drawn in the new ones.
    void SystemColoursChanged();
    // Marks these buttons (numbered from 1) of the form shown as having an error.
    void MarkButtons(std::vector<int> numbers);
    // 50 to 200; the percentage of a picture pixel on the screen.
    void SetZoom(int percent);
    int Zoom() const { return m_zoom; }
    // The picture's size on the screen at the present zoom.
    SIZE ShownSize() const;

    // The selection's commands; each is one edit.
    void NudgeSelection(int dx, int dy);
    void DeleteSelection();
    void AlignSelection(Alignment alignment);
    void SameSizeSelection();
    // Opens the form of the selected subform button; false when it has none.
    bool OpenSelectedSubform();

    // The time the last frame took to draw, in milliseconds (for the benchmark).
    double LastFrameMs() const { return m_lastFrameMs; }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    enum class Grip { kNone, kMove, kResize };
    struct Drag {
        Grip grip = Grip::kNone;
        POINT start{};                 // where the mouse went down, client pixels
        MovingEdges edges{};           // what the drag moves
        int anchor = 0;                // the button it holds (0: the version text)
        PixelRect anchorStart{};       // that item's rectangle when it began
        std::vector<PixelRect> starts; // each selected button's at the start
        POINT versionStart{};
        PixelRect resized{}; // the anchor's rectangle in a resize
        int dx = 0, dy = 0;  // the move so far, in Setup.ini pixels
        bool moved = false;
    };

    // The form at the picture's size, see-through parts shown as a chequer.
    void DrawFrame();
    void OnPaint();
    void PaintSelection(HDC dc) const;
    void OnMouseDown(POINT point, WPARAM keys);
    void OnMouseMove(POINT point, WPARAM keys);
    void OnMouseUp();
    void OnDoubleClick(POINT point);
    bool OnKey(WPARAM key);
    LRESULT DialogCode(const MSG* message) const;
    void UpdateScrollBars();
    void Scroll(int bar, WPARAM request);

    // Client pixels from picture pixels; Setup.ini pixels (96 DPI) from client pixels.
    RECT ToClient(const RECT& pictureRect) const;
    int DocumentPixels(int clientPixels) const;
    // The version text's ink in Setup.ini pixels.
    PixelRect VersionTextRect() const;
    // The topmost button under the point (numbered from 1), or 0.
    int ButtonAt(POINT point) const;
    bool OnVersionText(POINT point) const;
    // A resize handle of a selected button under the point.
    bool HandleAt(POINT point, int& number, MovingEdges& edges) const;
    PixelRect BoundsOf(int number) const; // with the drag applied
    std::vector<PixelRect> Guides() const;
    void SelectOnly(int number);
    void CommitDrag();
    void Describe();

    DesignSession& m_session;
    DrawnForm m_form;
    UniqueBitmap m_frame;
    UniqueBrush m_chequer;
    int m_zoom = 100;
    POINT m_scroll{};
    Drag m_drag;
    std::vector<int> m_marked;
    double m_lastFrameMs = 0;
};
