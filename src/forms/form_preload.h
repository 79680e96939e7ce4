// What the first form needs from the disk, read while its window is made: the
// buttons' settings and the decoded picture, each on a worker thread of its
// own, so that neither waits for the other nor for the window.
#pragma once

#include "forms/form_buttons.h"
#include "framework/image.h"
#include "framework/worker_thread.h"

#include <string>

class CFormPreload {
public:
    // Starts both reads at once.
    CFormPreload(std::string formName, std::string language, std::string picturePath);
    CFormPreload(const CFormPreload&) = delete;
    CFormPreload& operator=(const CFormPreload&) = delete;

    // Whether this preload holds what the form of that name, in that language
    // and with that picture, would read itself.
    bool Serves(const std::string& formName, const std::string& language,
                const std::string& picturePath) const;
    // Wait for their read, then hand it over (once; the holder is left empty).
    // The buttons pass on what their read threw.
    FormButtons TakeButtons();
    // The picture as CImage::Load left it, laid over black; its result.
    HRESULT TakePicture(CImage& picture);

private:
    // The workers' tasks.
    static void ReadButtons(void* self);
    static void DecodePicture(void* self);

    const std::string m_formName;
    const std::string m_language;
    const std::string m_picturePath;
    FormButtons m_buttons;
    CImage m_picture;
    HRESULT m_pictureResult = E_FAIL;
    // Last: started once what they fill exists, and joined before it goes.
    CWorkerThread m_buttonsReader;
    CWorkerThread m_pictureDecoder;
};
