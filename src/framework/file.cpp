#include "framework/file.h"

namespace {

std::string ReplaceInsert(const char* pattern, const std::string& fileName) {
    std::string text = pattern;
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, fileName);
    return text;
}

} // namespace

std::string FileErrorText(DWORD cause, const std::string& fileName) {
    switch (cause) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ReplaceInsert("%1 was not found.", fileName);
    case ERROR_ACCESS_DENIED:
        return ReplaceInsert("Access to %1 was denied.", fileName);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return ReplaceInsert("A sharing violation occurred while accessing %1.", fileName);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ReplaceInsert("There was not enough space on the disk while writing %1.", fileName);
    default:
        return ReplaceInsert("An unexpected error occurred while accessing %1.", fileName);
    }
}

CFileException::CFileException(DWORD cause, const std::string& fileName)
    : m_cause(cause), m_fileName(fileName), m_message(FileErrorText(cause, fileName)) {}

CFile::CFile(const std::string& path, UINT flags) {
    DWORD error = 0;
    if (!Open(path, flags, &error))
        throw CFileException(error, path);
}

bool CFile::Open(const std::string& path, UINT flags, DWORD* error) {
    Close();
    const bool write = (flags & modeWrite) != 0;
    const DWORD access = write ? GENERIC_WRITE : GENERIC_READ;
    const DWORD share = (flags & shareDenyNone)    ? FILE_SHARE_READ | FILE_SHARE_WRITE
                        : (flags & shareDenyWrite) ? FILE_SHARE_READ
                                                   : 0;
    // Never an existing file: one planted under the name (a link, a read-only
    // file) is neither followed nor taken over.
    const DWORD disposition = (flags & modeCreate) ? CREATE_NEW : OPEN_EXISTING;
    m_hFile = ::CreateFileA(path.c_str(), access, share, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE) {
        if (error)
            *error = ::GetLastError();
        return false;
    }
    m_path = path;
    return true;
}

UINT CFile::Read(void* buffer, UINT count) {
    DWORD read = 0;
    if (!::ReadFile(m_hFile, buffer, count, &read, nullptr))
        throw CFileException(::GetLastError(), m_path);
    return read;
}

void CFile::Write(const void* data, UINT count) {
    DWORD written = 0;
    if (!::WriteFile(m_hFile, data, count, &written, nullptr))
        throw CFileException(::GetLastError(), m_path);
    if (written != count)
        throw CFileException(ERROR_DISK_FULL, m_path);
}

void CFile::Close() {
    if (m_hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

bool CFile::ReadToEnd(std::string& bytes) {
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(m_hFile, buffer, sizeof buffer, &read, nullptr)) {
        if (read == 0)
            return true;
        bytes.append(buffer, read);
    }
    return false;
}
