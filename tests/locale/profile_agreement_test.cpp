// The designer's document model reads Setup.ini as the platform's profile
// functions read it: section names, key names, values and integers of the
// sample and of the document fuzz target's seeds (and of every file in the
// folder PROFILE_AGREEMENT_FOLDER names, for a longer run over a fuzzer's
// corpus), each written to a temporary file. ANSI files go through the
// narrow functions, as the launcher reads them; files with a byte-order mark
// through the wide ones, since the platform decodes them itself.
#include "ini_document.h"
#include "utf16_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

constexpr char kMissing[] = "\x7f(missing)";
constexpr int kDefault = -12345;
constexpr DWORD kBufferChars = 1 << 20;

struct Narrow {
    static DWORD Names(char* buffer, const char* file) {
        return ::GetPrivateProfileSectionNamesA(buffer, kBufferChars, file);
    }
    static DWORD String(const char* section, const char* key, const char* missing, char* buffer,
                        const char* file) {
        return ::GetPrivateProfileStringA(section, key, missing, buffer, kBufferChars, file);
    }
    static UINT Int(const char* section, const char* key, const char* file) {
        return ::GetPrivateProfileIntA(section, key, kDefault, file);
    }
};

struct Wide {
    static DWORD Names(wchar_t* buffer, const wchar_t* file) {
        return ::GetPrivateProfileSectionNamesW(buffer, kBufferChars, file);
    }
    static DWORD String(const wchar_t* section, const wchar_t* key, const wchar_t* missing,
                        wchar_t* buffer, const wchar_t* file) {
        return ::GetPrivateProfileStringW(section, key, missing, buffer, kBufferChars, file);
    }
    static UINT Int(const wchar_t* section, const wchar_t* key, const wchar_t* file) {
        return ::GetPrivateProfileIntW(section, key, kDefault, file);
    }
};

std::wstring FromCodePage(UINT codePage, const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                      wide.data(), static_cast<int>(wide.size())));
    return wide;
}

std::wstring FromUtf16Bytes(const std::string& bytes) {
    std::wstring wide(bytes.size() / 2, L'\0');
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return wide;
}

// The names of a zero-separated list, each once (the first of names equal but
// for the case of A to Z): the model lists them so, the platform repeats them.
template <class Char> std::vector<std::basic_string<Char>> Listed(const Char* list, DWORD length) {
    const auto fold = [](Char c) { return c >= 'A' && c <= 'Z' ? static_cast<Char>(c + 32) : c; };
    const auto same = [&](const std::basic_string<Char>& a, const std::basic_string<Char>& b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(),
                          [&](Char x, Char y) { return fold(x) == fold(y); });
    };
    std::vector<std::basic_string<Char>> names;
    for (DWORD start = 0; start < length;) {
        const std::basic_string<Char> name(list + start);
        start += static_cast<DWORD>(name.size()) + 1;
        if (!name.empty() && std::none_of(names.begin(), names.end(),
                                          [&](const auto& known) { return same(known, name); }))
            names.push_back(name);
    }
    return names;
}

template <class Api, class Char>
void ExpectAgreement(const IniDocument& document, const std::basic_string<Char>& file,
                     const std::function<std::basic_string<Char>(const std::string&)>& text) {
    std::vector<Char> buffer(kBufferChars);
    const auto forms = [&](const std::vector<std::string>& names) {
        std::vector<std::basic_string<Char>> converted;
        for (const std::string& name : names)
            converted.push_back(text(name));
        return converted;
    };
    EXPECT_EQ(Listed(buffer.data(), Api::Names(buffer.data(), file.c_str())),
              forms(document.SectionNames()));
    const auto missing = text(kMissing);
    for (const std::string& section : document.SectionNames()) {
        const auto name = text(section);
        // (A section without keys lists the default: the empty one here.)
        const DWORD keys =
            Api::String(name.c_str(), nullptr, text("").c_str(), buffer.data(), file.c_str());
        // The platform lists nothing when a section's first key has no name
        // ("=value"); the model lists the named keys all the same.
        if (keys != 0 || !document.HasKey(section, "")) {
            EXPECT_EQ(Listed(buffer.data(), keys), forms(document.KeyNames(section))) << section;
        }
        for (const std::string& key : document.KeyNames(section)) {
            const auto keyName = text(key);
            const DWORD length = Api::String(name.c_str(), keyName.c_str(), missing.c_str(),
                                             buffer.data(), file.c_str());
            EXPECT_EQ(std::basic_string<Char>(buffer.data(), length),
                      text(document.Value(section, key).value_or(kMissing)))
                << section << '/' << key;
            EXPECT_EQ(static_cast<int>(Api::Int(name.c_str(), keyName.c_str(), file.c_str())),
                      document.Integer(section, key, kDefault))
                << section << '/' << key;
        }
    }
}

std::vector<std::filesystem::path> FilesToCompare() {
    std::vector<std::filesystem::path> files = {SOURCE_DIR "/demo/Setup.ini"};
    std::vector<std::string> folders = {SOURCE_DIR "/tests/fuzz/corpus/ini_document"};
    char more[MAX_PATH] = {};
    if (::GetEnvironmentVariableA("PROFILE_AGREEMENT_FOLDER", more, sizeof more))
        folders.push_back(more);
    for (const std::string& folder : folders)
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files.push_back(entry.path());
    return files;
}

TEST(ProfileAgreement, DocumentReadsAsTheProfileFunctions) {
    ASSERT_EQ(::GetACP(), 1252u) << "run with LC_ALL=en_US.UTF-8";
    char folder[MAX_PATH] = {}, path[MAX_PATH] = {};
    ASSERT_NE(::GetTempPathA(sizeof folder, folder), 0u);
    size_t compared = 0;
    for (const auto& source : FilesToCompare()) {
        std::ifstream in(source, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        // A big-endian mark: the model keeps such a file as ANSI bytes, the
        // platform decodes it; the launcher's authors never write one.
        // An odd-length UTF-16 file: the platform reads a unit past its end.
        if (bytes.rfind("\xFE\xFF", 0) == 0 ||
            (bytes.rfind("\xFF\xFE", 0) == 0 && bytes.size() % 2))
            continue;
        ASSERT_NE(::GetTempFileNameA(folder, "ini", 0, path), 0u);
        FILE* out = std::fopen(path, "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);

        SCOPED_TRACE(source.string());
        const IniDocument document = IniDocument::FromBytes(bytes);
        switch (document.Encoding()) {
        case IniEncoding::kAnsi:
        case IniEncoding::kUtf8:
            ExpectAgreement<Narrow, char>(document, path, [](const std::string& s) { return s; });
            break;
        case IniEncoding::kUtf8WithMark:
            ExpectAgreement<Wide, wchar_t>(
                document, FromCodePage(CP_ACP, path),
                [](const std::string& s) { return FromCodePage(CP_UTF8, s); });
            break;
        case IniEncoding::kUtf16WithMark:
            ExpectAgreement<Wide, wchar_t>(
                document, FromCodePage(CP_ACP, path),
                [](const std::string& s) { return FromUtf16Bytes(Utf8ToUtf16Le(s)); });
            break;
        }
        ::DeleteFileA(path);
        ++compared;
    }
    EXPECT_GE(compared, 10u);
}

} // namespace
