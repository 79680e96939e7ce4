#include "medium_file.h"

#include "framework/gdi.h"

#include <windows.h>

std::string SystemErrorText(unsigned long code) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length && text ? std::string(text, length) : std::string();
    if (text)
        ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error) {
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        error = SystemErrorText(::GetLastError());
        return std::nullopt;
    }
    std::string bytes;
    char chunk[64 * 1024];
    DWORD read = 0;
    while (::ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    return bytes;
}

bool ReplaceFileKeepingBackup(const std::string& path, const std::string& bytes,
                              std::string& error) {
    const std::string fresh = path + ".new";
    {
        UniqueHandle file(::CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            error = SystemErrorText(::GetLastError());
            return false;
        }
        DWORD written = 0;
        const bool whole = ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                       &written, nullptr) &&
                           written == bytes.size() && ::FlushFileBuffers(file.get());
        if (!whole) {
            error = SystemErrorText(::GetLastError());
            file.reset();
            ::DeleteFileA(fresh.c_str());
            return false;
        }
    }
    // The old file is copied, not moved, to the backup: until the new one is
    // in place, Setup.ini stays whole.
    if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
        !::CopyFileA(path.c_str(), (path + ".bak").c_str(), FALSE)) {
        error = "the previous file could not be kept as Setup.ini.bak: " +
                SystemErrorText(::GetLastError());
        ::DeleteFileA(fresh.c_str());
        return false;
    }
    if (!::MoveFileExA(fresh.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = SystemErrorText(::GetLastError());
        ::DeleteFileA(fresh.c_str());
        return false;
    }
    return true;
}
