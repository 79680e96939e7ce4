// The medium as the designer holds it: Setup.ini answered from the document
// being edited (saved or not), the files and pictures beside it from the folder
// itself, so that the checker sees what the author sees.
#pragma once

#include "app/ansi_from_utf8.h"
#include "ini_document.h"
#include "medium.h"

class DocumentMedium : public Medium {
public:
    // Both must outlive this object.
    DocumentMedium(const IniDocument& document, const Medium& folder)
        : m_document(document), m_folder(folder) {}

    const std::string& Folder() const override { return m_folder.Folder(); }
    const LeadByteTable& LeadBytes() const override { return m_folder.LeadBytes(); }
    std::vector<std::string> SystemFolders() const override { return m_folder.SystemFolders(); }
    std::optional<std::string> Value(const std::string& section,
                                     const std::string& key) const override {
        // The launcher reads a Unicode file's texts in the system's code page.
        std::optional<std::string> value = m_document.Value(section, key);
        if (value && m_document.Encoding() != IniEncoding::kCodePage)
            value = AnsiFromUtf8(*value);
        return value;
    }
    int Integer(const std::string& section, const std::string& key,
                int defaultValue) const override {
        return m_document.Integer(section, key, defaultValue);
    }
    bool Exists(const std::string& path) const override { return m_folder.Exists(path); }
    bool IsFolder(const std::string& path) const override { return m_folder.IsFolder(path); }
    std::string FileHead(const std::string& path, std::size_t bytes) const override {
        return m_folder.FileHead(path, bytes);
    }
    bool CodePageSpells(unsigned codePage, char32_t character) const override {
        return m_folder.CodePageSpells(codePage, character);
    }
    std::optional<PictureSize> DecodePicture(const std::string& path) const override {
        return m_folder.DecodePicture(path);
    }

private:
    const IniDocument& m_document;
    const Medium& m_folder;
};
