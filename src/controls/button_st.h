// A push button that paints itself: flat at rest, a raised frame while the
// mouse is over it, a sunken frame and a shifted caption while pressed.
#pragma once

#include "framework/controls.h"

#include <string>

constexpr int BUTTON_OK = 0;

class CButtonST : public CButton {
public:
    CButtonST();
    ~CButtonST() override;

    // The six state colours back to the system's button colours.
    int ResetColors(BOOL repaint = TRUE);
    // Check-box mode only: the check state becomes 1 for non-zero value, else 0.
    int SetChecked(BOOL value, BOOL repaint = TRUE);
    // Leaves the hover look, repainting when it was shown.
    void EndHover();

    bool IsHovering() const { return m_hovering != 0; }
    bool IsDefault() const { return m_isDefault != 0; }
    bool IsCheckBox() const { return m_checkBox != 0; }

    // Turns a double click into a second press before the dialog loop dispatches it.
    bool PreTranslateMessage(MSG* msg) override;
    // Paints face, frame and caption for the owner-draw notification.
    virtual void DrawItem(const DRAWITEMSTRUCT& item);
    // Draws the button as its own paint would, in its state and font, into
    // `dc` with the button's top-left corner at the origin: for a parent that
    // paints its buttons with its own face.
    void PaintInto(HDC dc);

    // Colours of the button in its states, in this order.
    struct StateColors {
        COLORREF activeBack; // face while hovering or pressed
        COLORREF activeText;
        COLORREF idleBack; // face otherwise
        COLORREF idleText;
        COLORREF focusBack; // face while focused, neither hovering nor pressed
        COLORREF focusText;
    };
    const StateColors& Colors() const { return m_colors; }

protected:
    // Called when the window is bound: makes it owner-drawn.
    void PreSubclassWindow() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Called for the WM_DRAWITEM and WM_CTLCOLOR* the parent got for this button.
    bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The paint steps, called by DrawItem in this order.
    virtual void PaintBackground(HDC dc, const RECT& rect);
    virtual void PaintBorder(HDC dc, const RECT& rect);
    virtual void PaintCaption(HDC dc, const std::string& text, const RECT& itemRect,
                              RECT& captionRect, BOOL pressed, BOOL disabled);
    // The platform's focus rectangle inside the face, where keyboard users see
    // it on any face; drawn last, while the keyboard cues are shown.
    void PaintFocusCue(HDC dc, const RECT& rect);

    POINT m_pressShift{1, 1};
    BOOL m_hovering = FALSE;
    BOOL m_pressed = FALSE;  // refreshed at every DrawItem
    BOOL m_focused = FALSE;  // refreshed at every DrawItem
    BOOL m_disabled = FALSE; // refreshed at every DrawItem
    BOOL m_isDefault = FALSE;
    BOOL m_checkBox = FALSE;
    StateColors m_colors{};
    int m_checkState = 0;

private:
    std::string m_caption; // the text being painted, its memory kept from paint to paint

    void OnMouseMove(WPARAM keys, LPARAM point);
    void OnDisabled();
};
