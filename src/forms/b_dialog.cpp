#include "forms/b_dialog.h"

CBDialog::CBDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

// The picture is released by its own destructor, before the dialog's.
CBDialog::~CBDialog() = default;

int CBDialog::LoadPicture(const std::string& path) {
    return SUCCEEDED(m_picture.Load(path)) ? 0 : 1;
}

BOOL CBDialog::OnEraseBkgnd(HDC dc) {
    m_picture.Draw(dc, 0, 0);
    return TRUE;
}

bool CBDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_ERASEBKGND) {
        result = OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
        return true;
    }
    return CDialog::OnMessage(msg, wParam, lParam, result);
}
