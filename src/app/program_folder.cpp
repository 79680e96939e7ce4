#include "app/program_folder.h"

#include "framework/message_box.h"

#include <io.h>
#include <windows.h>

#include <optional>

namespace {

// The text in the ANSI code page; nothing when a character would be lost or
// replaced by a look-alike (which names another file).
std::optional<std::string> InCodePage(const std::wstring& text) {
    if (text.empty())
        return std::string();
    // A UTF-8 code page spells everything and takes neither flag nor report.
    const bool utf8 = ::GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lost = FALSE;
    BOOL* report = utf8 ? nullptr : &lost;
    const int size = static_cast<int>(text.size());
    const int bytes =
        ::WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, report);
    if (bytes <= 0 || lost)
        return std::nullopt;
    std::string narrow(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, flags, text.data(), size, narrow.data(), bytes, nullptr, report);
    return narrow;
}

std::optional<std::string> UsableInCodePage(const std::wstring& path) {
    std::optional<std::string> narrow = InCodePage(path);
    if (narrow && !FitsPlatformPath(*narrow))
        return std::nullopt;
    return narrow;
}

} // namespace

std::string AnsiPath(const std::wstring& path) {
    if (std::optional<std::string> asWritten = UsableInCodePage(path))
        return *asWritten;
    const std::wstring shortForm = PlatformPath<wchar_t>([&path](wchar_t* buffer, unsigned size) {
        return ::GetShortPathNameW(path.c_str(), buffer, size);
    });
    return UsableInCodePage(shortForm).value_or(std::string());
}

std::wstring GetProgramFolderWide() {
    // A path that filled the buffer was cut: it is not the real folder.
    const std::wstring program = PlatformPath<wchar_t>(
        [](wchar_t* buffer, unsigned size) { return ::GetModuleFileNameW(nullptr, buffer, size); });
    return program.substr(0, program.find_last_of(L"\\/") + 1);
}

std::string GetProgramFolder() {
    return AnsiPath(GetProgramFolderWide());
}

bool ReportUnspellableProgramFolder() {
    return ReportUnspellableFolder(GetProgramFolderWide());
}

bool ReportUnspellableFolder(const std::wstring& folder) {
    if (folder.empty() || !AnsiPath(folder).empty())
        return false;
    const std::wstring text =
        L"The launcher cannot be started from this folder:\n\n" + folder +
        L"\n\nThis system cannot spell the folder's name, and the folder has no short name. "
        L"Copy the installation medium to a folder whose name has only plain Latin letters, "
        L"and start it from there.";
    AppMessageBoxWide(text, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

bool FileExists(const std::string& path) {
    return FitsPlatformPath(path) && _access(path.c_str(), 0) == 0;
}
