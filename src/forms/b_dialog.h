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
    // Shows the picture another dialog holds, read-only, instead of one of its
    // own: a form opened above another shows the same picture. The holder must
    // outlive this dialog, as a form below a nested one does.
    void SharePicture(const CBDialog& holder) { m_sharedPicture = &holder.Picture(); }
    bool SharesPicture() const { return m_sharedPicture != nullptr; }
    // The picture shown: the shared one, else its own.
    const CImage& Picture() const { return m_sharedPicture ? *m_sharedPicture : m_picture; }
    // Size of the picture shown in pixels; 0 and 0 before a load succeeded.
    int GetPictureWidth() const { return Picture().GetWidth(); }
    int GetPictureHeight() const { return Picture().GetHeight(); }
    // Its controls are all drawn by the program.
    bool HasStandardControls() const override { return false; }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Called for WM_ERASEBKGND: paints the picture and never the dialog's brush,
    // so whatever lies outside the picture keeps what the surface held.
    BOOL OnEraseBkgnd(HDC dc);

    CImage m_picture;
    const CImage* m_sharedPicture = nullptr;
};
