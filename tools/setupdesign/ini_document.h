// Setup.ini held as its own bytes, for the designer: looked up as the
// platform's profile reads look it up, edited a line at a time, and written
// back with every byte that no edit touched exactly as it was (comments, blank
// lines, order, unknown keys, the spelling of names, encoding, line ends).
// Plain C++: built and tested natively too.
#pragma once

#include "app/ini_encoding.h"
#include "ini_lines.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Values, names and texts given to and taken from a document are "document
// text": the file's own bytes for kCodePage and the UTF-8 kinds, UTF-8 for a
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
    // equal keys (and of two equal sections) wins; a line without "=" is a
    // key without a value, which hides a later key of its name; lines before
    // the first header are a section named "".
    // Section names in file order, each once, as first spelt.
    std::vector<std::string> SectionNames() const;
    bool HasSection(const std::string& section) const;
    // Key names of a section in file order, each once, as first spelt. As the
    // platform lists them, the section's name is matched as given, untrimmed
    // (names from SectionNames() always match).
    std::vector<std::string> KeyNames(const std::string& section) const;
    // Whether the section has a line for the key, with a value or without.
    bool HasKey(const std::string& section, const std::string& key) const;
    // None when the key (or its section) is missing, or its line has no "=".
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    // As GetPrivateProfileIntA: the default when missing or empty.
    int Integer(const std::string& section, const std::string& key, int defaultValue) const;
    // The line, counted from 1, of a key (or of the section's header when the
    // key is empty); 0 when missing.
    int LineOf(const std::string& section, const std::string& key = std::string()) const;

    // Edits. Each changes only the lines it names; new lines take the file's
    // own line end.
    // An existing key keeps its line, its spelling and what stands before its
    // value (a line without "=" gets one); a new key goes at the end of its
    // section (after its last non-blank line); a new section at the end of
    // the file, after a blank line. The value is written as one line holds it
    // (up to its first line end), quoted when its outer blanks or quotes
    // would otherwise be lost.
    void SetValue(const std::string& section, const std::string& key, const std::string& value);
    // The key's lines in its section (a later one would otherwise come to
    // light); nothing when missing.
    void RemoveKey(const std::string& section, const std::string& key);
    // The header and every line up to the next section's header; every
    // section of that name goes (a later one would otherwise come to light).
    void RemoveSection(const std::string& section);
    // The header line only: "[to]" in place of "[from]", blanks and anything
    // after the "]" kept; every section of that name is renamed, so that what
    // was read under "from" is read under "to".
    void RenameSection(const std::string& from, const std::string& to);

    // Names an edit can write: not empty, on one line, a key without "=" and
    // not starting with "[". Edits given other names change nothing.
    static bool IsWritableSection(const std::string& section);
    static bool IsWritableKey(const std::string& key);

    // The same bytes.
    bool operator==(const IniDocument& other) const;
    bool operator!=(const IniDocument& other) const { return !(*this == other); }

private:
    struct Key {
        std::string name; // as the profile functions hold it
        size_t line;      // counted from 0
        bool hasValue;    // a line with "="
    };
    // The lines before the first header are a section named "", as the
    // profile functions read them.
    struct Section {
        std::string name;
        size_t begin, end; // its lines: the header (when it has one) up to the next
        bool hasHeader;
        std::vector<Key> keys; // in file order, equal names repeated
    };
    // The first section of the name, trimmed first or (as the listing of
    // keys does) not.
    const Section* FindSection(const std::string& section, bool trimmed = true) const;
    const Key* FindKey(const std::string& section, const std::string& key) const;
    void Reindex();
    std::string Text() const; // the lines joined
    std::string LineEnd() const;
    // Text as this file can hold it: what a UTF-16 file will write back.
    std::string Held(const std::string& text) const;
    // Inserts whole lines before line `at`, each with the file's line end.
    void InsertLines(size_t at, const std::vector<std::string>& texts);
    void EraseLines(size_t begin, size_t end);

    std::vector<IniLine> m_lines; // the text after the mark, as document text
    std::vector<Section> m_sections;
    std::unordered_map<std::string, size_t> m_firstSection; // by name folded to lower case
    IniEncoding m_encoding = IniEncoding::kCodePage;
    std::string m_mark;    // the byte-order mark, as read
    std::string m_oddByte; // a UTF-16 file's odd last byte
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
    std::vector<IniDocument> m_states; // the first state read, then one per step
    size_t m_current = 0;
    IniDocument m_saved; // as last written (or read)
};
