// The designer's document model reads Setup.ini as the platform's profile
// functions do: section names, key names, values and integers of the sample
// and of the document fuzz target's seeds (and of the files in the folder
// PROFILE_AGREEMENT_FOLDER names, for a run over a fuzzer's corpus). ANSI
// files go through the narrow functions, as the launcher reads them; files
// with a byte-order mark through the wide ones, as the platform decodes them.
#include "ini_document.h"
#include "utf16_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

template <class Char> using Text = std::basic_string<Char>;
constexpr char kMissing[] = "\x7f(missing)";
constexpr int kDefault = -12345;
constexpr DWORD kSize = 1 << 20;

// The platform's functions for the text a file is read as.
struct Narrow {
    static constexpr auto names = &::GetPrivateProfileSectionNamesA;
    static constexpr auto string = &::GetPrivateProfileStringA;
    static constexpr auto integer = &::GetPrivateProfileIntA;
};
struct Wide {
    static constexpr auto names = &::GetPrivateProfileSectionNamesW;
    static constexpr auto string = &::GetPrivateProfileStringW;
    static constexpr auto integer = &::GetPrivateProfileIntW;
};

std::wstring FromCodePage(UINT codePage, const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                      wide.data(), static_cast<int>(wide.size())));
    return wide;
}

std::wstring FromUtf16(const std::string& bytes) {
    std::wstring wide(bytes.size() / 2, L'\0');
    std::memcpy(wide.data(), bytes.data(), wide.size() * 2);
    return wide;
}

// The names of a zero-separated list, each once as the model lists them (the
// platform repeats names equal but for the case of A to Z).
template <class Char> std::vector<Text<Char>> Listed(const Char* list, DWORD length) {
    const auto fold = [](const Text<Char>& name) {
        Text<Char> folded = name;
        for (Char& c : folded)
            c = c >= 'A' && c <= 'Z' ? static_cast<Char>(c + 32) : c;
        return folded;
    };
    std::vector<Text<Char>> names, folded;
    for (DWORD start = 0; start < length;) {
        const Text<Char> name(list + start);
        start += static_cast<DWORD>(name.size()) + 1;
        if (!name.empty() && std::find(folded.begin(), folded.end(), fold(name)) == folded.end()) {
            names.push_back(name);
            folded.push_back(fold(name));
        }
    }
    return names;
}

template <class Api, class Char>
void ExpectAgreement(const IniDocument& document, const Text<Char>& file,
                     const std::function<Text<Char>(const std::string&)>& text) {
    std::vector<Char> buffer(kSize);
    const auto all = [&](const std::vector<std::string>& names) {
        std::vector<Text<Char>> converted;
        for (const std::string& name : names)
            converted.push_back(text(name));
        return converted;
    };
    EXPECT_EQ(Listed(buffer.data(), Api::names(buffer.data(), kSize, file.c_str())),
              all(document.SectionNames()));
    for (const std::string& section : document.SectionNames()) {
        const Text<Char> name = text(section);
        const DWORD keys = Api::string(name.c_str(), nullptr, text("").c_str(), buffer.data(),
                                       kSize, file.c_str());
        // The platform lists nothing when a section's first key has no name
        // ("=value"); the model lists the named keys all the same.
        if (keys != 0 || !document.HasKey(section, "")) {
            EXPECT_EQ(Listed(buffer.data(), keys), all(document.KeyNames(section))) << section;
        }
        for (const std::string& key : document.KeyNames(section)) {
            const DWORD length =
                Api::string(name.c_str(), text(key).c_str(), text(kMissing).c_str(), buffer.data(),
                            kSize, file.c_str());
            EXPECT_EQ(Text<Char>(buffer.data(), length),
                      text(document.Value(section, key).value_or(kMissing)))
                << section << '/' << key;
            EXPECT_EQ(static_cast<int>(
                          Api::integer(name.c_str(), text(key).c_str(), kDefault, file.c_str())),
                      document.Integer(section, key, kDefault))
                << section << '/' << key;
        }
    }
}

TEST(ProfileAgreement, DocumentReadsAsTheProfileFunctions) {
    ASSERT_EQ(::GetACP(), 1252u) << "run with LC_ALL=en_US.UTF-8";
    std::vector<std::filesystem::path> files = {SOURCE_DIR "/demo/Setup.ini"};
    std::vector<std::string> folders = {SOURCE_DIR "/tests/fuzz/corpus/ini_document"};
    char folder[MAX_PATH] = {}, path[MAX_PATH] = {};
    if (::GetEnvironmentVariableA("PROFILE_AGREEMENT_FOLDER", folder, sizeof folder))
        folders.push_back(folder);
    for (const std::string& name : folders)
        for (const auto& entry : std::filesystem::directory_iterator(name))
            files.push_back(entry.path());
    ASSERT_NE(::GetTempPathA(sizeof folder, folder), 0u);
    for (const auto& source : files) {
        std::ifstream in(source, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        // Left out: a big-endian mark, which the model keeps as ANSI bytes and
        // the platform decodes, and an odd-length UTF-16 file, where the
        // platform reads a unit past the file's end.
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
        const std::wstring widePath = FromCodePage(CP_ACP, path);
        if (document.Encoding() == IniEncoding::kUtf8WithMark)
            ExpectAgreement<Wide, wchar_t>(
                document, widePath, [](const std::string& s) { return FromCodePage(CP_UTF8, s); });
        else if (document.Encoding() == IniEncoding::kUtf16WithMark)
            ExpectAgreement<Wide, wchar_t>(document, widePath, [](const std::string& s) {
                return FromUtf16(Utf8ToUtf16Le(s));
            });
        else
            ExpectAgreement<Narrow, char>(document, path, [](const std::string& s) { return s; });
        ::DeleteFileA(path);
    }
    EXPECT_GT(files.size(), 20u);
}

} // namespace
