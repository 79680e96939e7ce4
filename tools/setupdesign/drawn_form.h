// One form of the medium drawn by the launcher's own code, from the designer's
// document: the picture [main] names (laid over black, its see-through parts
// known), the version text and the form's shaded buttons with their captions
// and faces. Its buttons are real button windows on a hidden host built from
// the launcher's form template, so that they paint exactly as the launcher's.
#pragma once

#include "app/launcher_settings.h"
#include "controls/shade_button_st.h"
#include "forms/form_buttons.h"
#include "framework/gdi.h"
#include "framework/image.h"
#include "framework/wnd.h"

#include <string>

class DrawnForm {
public:
    DrawnForm() = default;
    DrawnForm(const DrawnForm&) = delete;
    DrawnForm& operator=(const DrawnForm&) = delete;
    ~DrawnForm();

    // Makes the hidden host of the buttons; false when the platform refuses.
    bool Create();
    // Reads the picture (again) when its path or scale is not the one held;
    // whether a picture is held.
    bool UsePicture(const std::string& path, const DisplayFit& fit);
    // Takes the settings and buttons to show (the buttons at 96 DPI, as
    // Setup.ini gives them) and shades the buttons as a newly opened launcher
    // shades its first form.
    void Show(const LauncherSettings& settings, const FormButtons& buttons);

    const CImage& Picture() const { return m_picture; }
    // The picture's visible part (none when all of it is), read once a picture.
    HRGN Shape() const { return m_shape.get(); }
    int Width() const { return m_picture.GetWidth(); }
    int Height() const { return m_picture.GetHeight(); }
    // The scale the picture was drawn at: the buttons' too.
    int Dpi() const { return m_picture.IsNull() ? 96 : m_picture.GetDpi(); }
    int ButtonCount() const { return m_count; }
    // Where a button is drawn, in picture pixels.
    RECT DrawnBounds(int index) const { return m_drawnBounds[index]; }
    // Where the version text is drawn, in picture pixels.
    RECT VersionTextBounds() const;
    // The part of that the text's letters cover (at least a few pixels wide).
    RECT VersionTextInk() const;

    // Tells the buttons that the system's colours changed (a high-contrast
    // scheme turned on or off); Show shades them again in the new ones.
    void SystemColoursChanged();

    // Paints the form as the launcher's window shows it into `dc`, the
    // picture's top-left corner at the origin; nothing outside the picture.
    void Paint(HDC dc);

private:
    void UseFont(int index, const std::string& face, int dpi);

    CWnd m_host;
    CImage m_picture;
    UniqueRegion m_shape;
    std::string m_picturePath;
    int m_pictureFitDpi = 0;
    LauncherSettings m_settings;
    CFont m_versionFont;
    std::string m_versionFace;
    int m_versionFontDpi = 0;
    CShadeButtonST m_buttons[kButtonSlots];
    CFont m_fonts[kButtonSlots];
    std::string m_fontFaces[kButtonSlots];
    int m_fontDpi[kButtonSlots]{};
    RECT m_drawnBounds[kButtonSlots]{};
    int m_count = 0;
};
