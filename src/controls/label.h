// A static text control that paints itself: colours, gradient, font, emboss,
// rotation, flashing, a hover cursor and a click action.
#pragma once

#include "framework/controls.h"
#include "framework/gdi.h"

#include <string>

class CLabel : public CStatic {
public:
    // What a click sends to the parent (in WM_NOTIFY) when the label notifies it.
    static constexpr UINT kClickNotification = 0x8200;
    static constexpr UINT_PTR kFlashTimer = 1;
    static constexpr UINT kFlashPeriodMs = 500;
    static constexpr int kGradientSteps = 100;

    CLabel();
    ~CLabel() override;

    // Each setter returns the label, so that calls can be chained.
    virtual CLabel& SetBackgroundColor(COLORREF colour, COLORREF gradientEnd = 0,
                                       bool gradient = false);
    virtual CLabel& SetTextColor(COLORREF colour);
    virtual CLabel& SetText(const std::string& text);
    virtual CLabel& SetFontBold(bool bold);
    // A face name longer than the font record holds is cut to fit, at a
    // character boundary.
    virtual CLabel& SetFontName(const std::string& faceName, BYTE charSet = DEFAULT_CHARSET);
    virtual CLabel& SetFontUnderline(bool underline);
    virtual CLabel& SetFontItalic(bool italic);
    virtual CLabel& SetFontSize(int points);
    virtual CLabel& SetStaticEdge(bool edge);
    virtual CLabel& SetBorder(bool border);
    virtual CLabel& SetTransparent(bool transparent);
    // Text hidden, then shown, by turns every 500 ms.
    virtual CLabel& FlashText(bool flash);
    // Text and background swap colours every other 500 ms; stopping restores them.
    virtual CLabel& SetFlashMode2(bool flash);
    // With link, clicks reach the label; notifyParent sends them to the parent
    // instead of opening the label's text through the shell.
    virtual CLabel& SetLink(bool link, bool notifyParent);
    virtual CLabel& SetHoverCursor(HCURSOR cursor);
    virtual CLabel& SetTextEmboss(bool emboss, bool lowerRight);
    // Text drawn from the centre at the angle (degrees, counter-clockwise).
    virtual CLabel& SetRotationAngle(int degrees, bool rotate);
    virtual CLabel& SetEmbossColor(COLORREF colour);

    // Fills the rectangle with vertical bands from `from` at the left to `to`
    // at the right; the bottom row of the rectangle is left as it was.
    static void DrawGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to, int steps);

    const LOGFONTA& GetLogFont() const { return m_lf; }
    HFONT GetFont() const { return m_font.GetSafeHandle(); }
    bool IsFlashPhaseOn() const { return m_bFlashPhase; }

protected:
    // Called at binding: takes over the control's font.
    void PreSubclassWindow() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    enum FlashMode { kNoFlash = 0, kFlashText = 1, kFlashInverse = 2 };

    void RebuildFont();
    void Refresh();
    void StartFlashing(FlashMode mode);
    void StopFlashTimer();

    // Called by each flash tick (any timer of the window).
    void OnTimer();
    // Called for a click while the label has SS_NOTIFY.
    void OnLButtonDown();
    // Called when the mouse moves over the label; true when the cursor was set.
    bool OnSetCursor();
    // Called when the system colours change.
    void OnSysColorChange();
    // Called to paint; into `dc` when the sender gives one, as standard controls do.
    void OnPaint(HDC dc);
    void Paint(HDC target);
    void PaintBackground(HDC surface, const RECT& client, bool inverse) const;
    void PaintText(HDC surface, const RECT& client, const std::string& text) const;

    COLORREF m_crText;
    COLORREF m_crEmboss = RGB(255, 255, 255);
    UniqueBrush m_brDefault;
    UniqueBrush m_brBackground;
    LOGFONTA m_lf{};
    CFont m_font;
    bool m_bFlashPhase = false;
    bool m_bTimer = false;
    bool m_bTransparent = false;
    bool m_bEmboss = false;
    bool m_bNotifyParent = false;
    bool m_bRotate = false;
    FlashMode m_nFlashMode = kNoFlash;
    HCURSOR m_hCursor = nullptr;
    bool m_bEmbossLowerRight = false;
    bool m_bGradient = false;
    COLORREF m_crGradientEnd = 0;
    COLORREF m_crBackground = 0;
};
