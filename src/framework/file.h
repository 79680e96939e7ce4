// A file opened through the platform, closed by its owner, and the error that
// tells the user which file failed and why.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

// A failed open, read or write of a file, with the standard text for its cause.
// Not a std::runtime_error: that one keeps its text in the library's older
// string, whose code would be linked in for it alone.
class CFileException : public std::exception {
public:
    CFileException(DWORD cause, const std::string& fileName);
    // The text for the error, as FileErrorText gives it.
    const char* what() const noexcept override { return m_message.c_str(); }
    DWORD m_cause;          // the platform's error code
    std::string m_fileName; // the full path as given

private:
    std::string m_message;
};

// The text for a file error: "Access to %1 was denied." and the like, with the path.
std::string FileErrorText(DWORD cause, const std::string& fileName);

class CFile {
public:
    // Open flags; combine one mode with the others.
    static constexpr UINT modeRead = 0x0000;
    static constexpr UINT modeWrite = 0x0001;
    static constexpr UINT shareDenyWrite = 0x0020; // others may read
    static constexpr UINT shareDenyNone = 0x0040;
    static constexpr UINT modeCreate = 0x1000; // creates a new file; fails when one is there

    CFile() = default;
    // Opens the file or throws CFileException.
    CFile(const std::string& path, UINT flags);
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() { Close(); }

    // Opens the file; false when it cannot be, with the platform's error code
    // in *error when one is given. Never throws.
    bool Open(const std::string& path, UINT flags, DWORD* error = nullptr);
    // Reads up to count bytes; returns how many were read, 0 at the end.
    // Throws CFileException when the read fails.
    UINT Read(void* buffer, UINT count);
    // Appends the rest of the file to bytes; false when a read fails. Never throws.
    bool ReadToEnd(std::string& bytes);
    // Writes all the bytes or throws CFileException.
    void Write(const void* data, UINT count);
    void Close();
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    std::string m_path;
};
