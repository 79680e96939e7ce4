#include "forms/form_preload.h"

#include "framework/com_apartment.h"
#include "framework/screen_scale.h"

#include <utility>

CFormPreload::CFormPreload(std::string formName, std::string language, std::string picturePath)
    : m_formName(std::move(formName)), m_language(std::move(language)),
      m_picturePath(std::move(picturePath)), m_buttonsReader(&CFormPreload::ReadButtons, this),
      m_pictureDecoder(&CFormPreload::DecodePicture, this) {}

void CFormPreload::ReadButtons(void* self) {
    auto& preload = *static_cast<CFormPreload*>(self);
    preload.m_buttons = ReadFormButtons(preload.m_formName, preload.m_language);
}

void CFormPreload::DecodePicture(void* self) {
    // The imaging component makes its decoders through COM, which this thread joins.
    const ComApartment com(COINIT_MULTITHREADED);
    auto& preload = *static_cast<CFormPreload*>(self);
    preload.m_pictureResult = preload.m_picture.Load(preload.m_picturePath, ScreenFit());
    preload.m_picture.ComposeOverBlack();
}

bool CFormPreload::Serves(const std::string& formName, const std::string& language,
                          const std::string& picturePath) const {
    return formName == m_formName && language == m_language && picturePath == m_picturePath;
}

FormButtons CFormPreload::TakeButtons() {
    m_buttonsReader.Join();
    FormButtons taken = std::move(m_buttons);
    m_buttons.count = 0;
    return taken;
}

HRESULT CFormPreload::TakePicture(CImage& picture) {
    m_pictureDecoder.Join();
    picture.Destroy();
    if (SUCCEEDED(m_pictureResult))
        picture.Swap(m_picture);
    return std::exchange(m_pictureResult, E_FAIL);
}
