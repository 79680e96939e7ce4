// The designer's document over any bytes: written back exactly; an edit reads
// back as made and leaves every other section as it read; what it writes
// reads back the same.
#include "ini_document.h"
#include "ini_line_index.h"
#include "utf16_text.h"

#include "fuzz/fuzz_input.h"

#include <tuple>

namespace {

// A text as the document holds it: a UTF-16 file holds UTF-8.
std::string Held(const IniDocument& document, const std::string& text) {
    return document.Encoding() == IniEncoding::kUtf16WithMark ? Utf16LeToUtf8(Utf8ToUtf16Le(text))
                                                              : text;
}

// Every listed key of every section but the given ones, with its value.
auto EntriesBesides(const IniDocument& document, const std::vector<std::string>& besides) {
    std::vector<std::tuple<std::string, std::string, std::optional<std::string>>> entries;
    for (const std::string& section : document.SectionNames())
        if (std::none_of(besides.begin(), besides.end(), [&](const std::string& name) {
                return SameIniName(section, Held(document, IniQueryName(name)));
            }))
            for (const std::string& key : document.KeyNames(section))
                entries.emplace_back(section, key, document.Value(section, key));
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int edit = input.ConsumeIntegralInRange(0, 3);
    const std::string section = input.ConsumeRandomLengthString(12);
    const std::string key = input.ConsumeRandomLengthString(12);
    const std::string value = input.ConsumeRandomLengthString(24);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    IniDocument document = IniDocument::FromBytes(bytes);
    Require(document.ToBytes() == bytes);
    const IniDocument before = document;
    std::vector<std::string> touched = {section};
    if (edit == 0) {
        document.SetValue(section, key, value);
        // What one line holds; refused for a name that cannot be written, or
        // where a "]" would make a "[..." key's line a section's header.
        const std::string line =
            Held(document, value.substr(0, value.find_first_of({'\r', '\n', 0})));
        const bool isNew = !before.HasKey(section, key);
        if (isNew ? IniDocument::IsWritableSection(section) && IniDocument::IsWritableKey(key)
                  : IniQueryName(key)[0] != '[' || line.find(']') == std::string::npos)
            Require(document.Value(section, key) == line);
        else
            Require(document == before);
    } else if (edit == 1) {
        document.RemoveKey(section, key);
        Require(!document.HasKey(section, key));
    } else if (edit == 2) {
        document.RemoveSection(section);
        Require(!document.HasSection(section));
    } else {
        touched.push_back(key);
        document.RenameSection(section, key);
        // A section renamed to a name no header has reads as it read before.
        if (before.LineOf(section) != 0 && before.LineOf(key) == 0 &&
            IniDocument::IsWritableSection(key))
            Require(document.LineOf(key) == before.LineOf(section) &&
                    document.KeyNames(IniQueryName(key)) == before.KeyNames(IniQueryName(section)));
    }
    Require(EntriesBesides(document, touched) == EntriesBesides(before, touched));
    const IniDocument reread = IniDocument::FromBytes(document.ToBytes());
    Require(reread.ToBytes() == document.ToBytes());
    // (Unless an edit left an ANSI file starting with the bytes of a mark.)
    const auto marked = [](const IniDocument& d) {
        return d.Encoding() == IniEncoding::kUtf8WithMark ||
               d.Encoding() == IniEncoding::kUtf16WithMark;
    };
    Require(marked(reread) != marked(document) ||
            EntriesBesides(reread, {}) == EntriesBesides(document, {}));
    return 0;
}
