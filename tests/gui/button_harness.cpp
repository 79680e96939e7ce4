#include "button_harness.h"

#include "test_dialogs.h"

#include <algorithm>

ButtonTestDialog::ButtonTestDialog() : ScriptedRun(IDD_TEST_DIALOG, nullptr) {}

BOOL ButtonTestDialog::OnInitDialog() {
    const BOOL focus = ScriptedRun::OnInitDialog();
    if (onInit)
        onInit(*this);
    return focus;
}

bool ButtonTestDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (onCommand && onCommand(wParam, lParam))
        return true;
    // The test dialog's OK and Cancel must not end a script early.
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        return true;
    return CDialog::OnCommand(wParam, lParam);
}

void ButtonCanvas::PrintClient(HWND button) {
    ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc()), PRF_CLIENT);
    ::GdiFlush();
}

PixelBounds ButtonCanvas::BoundsOf(COLORREF colour, const RECT& area) const {
    PixelBounds bounds;
    bool found = false;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(x, y) == colour) {
                if (!found) {
                    bounds = {x, y, x, y};
                    found = true;
                }
                bounds.left = std::min(bounds.left, x);
                bounds.right = std::max(bounds.right, x);
                bounds.top = std::min(bounds.top, y);
                bounds.bottom = std::max(bounds.bottom, y);
            }
    return bounds;
}

int ButtonCanvas::Count(COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            count += Pixel(x, y) == colour;
    return count;
}

std::vector<COLORREF> ButtonCanvas::Pixels() const {
    std::vector<COLORREF> all;
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            all.push_back(Pixel(x, y));
    return all;
}

HFONT CreateUnsmoothedFont(int height) {
    LOGFONTA description{};
    description.lfHeight = -height;
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpynA(description.lfFaceName, "Tahoma", LF_FACESIZE);
    return ::CreateFontIndirectA(&description);
}

std::ostream& operator<<(std::ostream& out, const PixelBounds& bounds) {
    return out << "(" << bounds.left << ", " << bounds.top << ")-(" << bounds.right << ", "
               << bounds.bottom << ")";
}
