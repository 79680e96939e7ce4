#include "forms/b_dialog.h"

CBDialog::CBDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

// The picture is released by its own destructor, before the dialog's.
CBDialog::~CBDialog() = default;

int CBDialog::LoadPicture(const std::string& path) {
    CImage decoded;
    const HRESULT result = decoded.Load(path);
    return AdoptPicture(decoded, result);
}

int CBDialog::AdoptPicture(CImage& decoded, HRESULT result) {
    m_picture.Destroy();
    if (FAILED(result) || decoded.IsNull())
        return 1;
    m_picture.Swap(decoded);
    // Blending on every erase would lay each half-transparent pixel over the
    // frame before, more opaque each time: it is composed once, over the black
    // a window surface holds before its first paint, and copied from then on.
    m_picture.ComposeOverBlack();
    return 0;
}

BOOL CBDialog::OnEraseBkgnd(HDC dc) {
    Picture().Draw(dc, 0, 0);
    return TRUE;
}

bool CBDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_ERASEBKGND) {
        result = OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
        return true;
    }
    return CDialog::OnMessage(msg, wParam, lParam, result);
}
