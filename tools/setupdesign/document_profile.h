// The designer's document read as the launcher reads Setup.ini: the same
// cut of long values, the same line breaks in texts, the same integers. Given
// to the launcher's own readers (ReadFormButtonsFrom, ReadLauncherSettingsFrom).
#pragma once

#include "app/lead_bytes.h"
#include "app/setup_ini.h"
#include "app/text_escape.h"
#include "ini_document.h"

#include <string>

class DocumentProfile {
public:
    DocumentProfile(const IniDocument& document, const LeadByteTable& leadBytes)
        : m_document(document), m_leadBytes(leadBytes) {}

    std::string Value(const std::string& section, const std::string& key) const {
        std::string value = m_document.Value(section, key).value_or(std::string());
        if (value.size() > kMaxIniValueBytes)
            value.resize(kMaxIniValueBytes);
        return value;
    }
    std::string Text(const std::string& section, const std::string& key) const {
        return ExpandLineBreaks(Value(section, key), m_leadBytes);
    }
    int Int(const std::string& section, const std::string& key, int defaultValue) const {
        return m_document.Integer(section, key, defaultValue);
    }

private:
    const IniDocument& m_document;
    const LeadByteTable& m_leadBytes;
};
