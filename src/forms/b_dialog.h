// The skinned base dialog: its whole background is a picture read from a file,
// painted at its own size in the window's top-left corner.
#pragma once

#include "framework/dialog.h"
#include "framework/image.h"

#include <string>

class CBDialog : public CDialog {
public:
    CBDialog(UINT templateId, CWnd* parent);
    ~CBDialog() override;

    // Loads the background picture from a full path; 0 when it was loaded,
    // non-zero when it was not (nothing is shown here on failure). A picture
    // with see-through parts is held as laid over black.
    int LoadPicture(const std::string& path);
    // The same for a picture decoded elsewhere, with that decode's result; the
    // picture is taken from `decoded`, which is left empty.
    int AdoptPicture(CImage& decoded, HRESULT result);
    // Size of the loaded picture in pixels; 0 and 0 before a load succeeded.
    int GetPictureWidth() const { return m_picture.GetWidth(); }
    int GetPictureHeight() const { return m_picture.GetHeight(); }
    // Its controls are all drawn by the program.
    bool HasStandardControls() const override { return false; }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Called for WM_ERASEBKGND: paints the picture and never the dialog's brush,
    // so whatever lies outside the picture keeps what the surface held.
    BOOL OnEraseBkgnd(HDC dc);

    CImage m_picture;
};
