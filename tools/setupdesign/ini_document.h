// Setup.ini held as its own bytes, for the designer: looked up as the
// platform's profile reads look it up, edited a line at a time, and written
// back with every byte that no edit touched exactly as it was (comments, blank
// lines, order, unknown keys, the spelling of names, encoding, line ends).
// Plain C++: built and tested natively too.
#pragma once

#include <optional>
#include <string>
#include <vector>

// How the file's texts are encoded; told once, when the file is read.
enum class IniEncoding {
    kAnsi,          // 8-bit text in legacy code pages (each section's own)
    kUtf8,          // valid UTF-8 holding bytes of 0x80 and above, no mark
    kUtf8WithMark,  // starts with EF BB BF
    kUtf16WithMark, // starts with FF FE (little-endian)
};

// Values, names and texts given to and taken from a document are "document
// text": the file's own bytes for kAnsi and the UTF-8 kinds, UTF-8 for a
// UTF-16 file (converted on reading and writing, losslessly).
class IniDocument {
public:
    IniDocument();
    // Any bytes at all; never fails.
    static IniDocument FromBytes(const std::string& bytes);
    // The file's bytes: exactly those read when nothing was edited.
    std::string ToBytes() const;
    IniEncoding Encoding() const;

    // Lookups agree with the platform's profile functions on the same bytes:
    // names match without regard to ASCII case, blanks around names and values
    // are trimmed, one pair of matching quotes is stripped, the first of two
    // equal keys (and of two equal sections) wins.
    // Section names in file order, each once, as first spelt.
    std::vector<std::string> SectionNames() const;
    bool HasSection(const std::string& section) const;
    // Key names of a section in file order, each once, as first spelt.
    std::vector<std::string> KeyNames(const std::string& section) const;
    // None when the key (or its section) is missing.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    // As GetPrivateProfileIntA: the default when missing or empty.
    int Integer(const std::string& section, const std::string& key, int defaultValue) const;
    // The line, counted from 1, of a key (or of the section's header when the
    // key is empty); 0 when missing.
    int LineOf(const std::string& section, const std::string& key = std::string()) const;

    // Edits. Each changes only the lines it names; new lines take the file's
    // own line end.
    // An existing key keeps its line, its spelling and what stands before its
    // value; a new key goes at the end of its section (after its last
    // non-blank line); a new section at the end of the file.
    void SetValue(const std::string& section, const std::string& key, const std::string& value);
    // The key's line; nothing when missing.
    void RemoveKey(const std::string& section, const std::string& key);
    // The header and every line up to the next section's header.
    void RemoveSection(const std::string& section);
    // The header line only: "[to]" in place of "[from]".
    void RenameSection(const std::string& from, const std::string& to);

private:
    struct Line; // one line of the file, its end included
    std::vector<Line> m_lines;
    IniEncoding m_encoding = IniEncoding::kAnsi;
    // ... the implementer's
};

// Undo and redo over whole document states, as far back as the session goes.
class IniHistory {
public:
    explicit IniHistory(IniDocument document);
    const IniDocument& Document() const;
    // One user action: every edit made to the given copy becomes one step.
    // Returns false (and records nothing) when the action changed no byte.
    template <class Edit> bool Apply(Edit&& edit) {
        IniDocument next = Document();
        edit(next);
        return Push(std::move(next));
    }
    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();
    // Whether the document differs from the state last marked saved.
    bool Modified() const;
    void MarkSaved();

private:
    bool Push(IniDocument next);
    // ... the implementer's
};
