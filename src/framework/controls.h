// The standard controls as window objects.
#pragma once

#include "framework/wnd.h"

#include <richedit.h>

class CButton : public CWnd {
public:
    bool Create(const char* caption, DWORD style, const RECT& rect, const CWnd* parent, int id) {
        return CreateEx(0, "BUTTON", caption, style, rect, parent, id);
    }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    void EnableWindow(bool enable) { ::EnableWindow(m_hWnd, enable); }
};

class CStatic : public CWnd {};

class CEdit : public CWnd {};

class CRichEditCtrl : public CWnd {
public:
    void SetBackgroundColor(COLORREF colour) { SendMessage(EM_SETBKGNDCOLOR, FALSE, colour); }
};
