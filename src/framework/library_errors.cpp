// The C++ library's error reports, in place of its own. Its own ones build
// std::length_error and std::logic_error, whose texts live in the library's
// older string type: for these alone about 53 KB of code and unwind tables
// would be linked into the program. A length no string or vector can reach is reported
// as the allocation failure it amounts to; a misuse of the library or an index
// out of range as a plain exception with the library's text, which the window
// procedures report.
#include <new>

namespace {

class LengthError : public std::bad_alloc {
public:
    explicit LengthError(const char* text) : m_text(text) {}
    const char* what() const noexcept override { return m_text; }

private:
    const char* m_text; // the library's own text, a literal
};

class LibraryMisuse : public std::exception {
public:
    explicit LibraryMisuse(const char* text) : m_text(text) {}
    const char* what() const noexcept override { return m_text; }

private:
    const char* m_text;
};

} // namespace

namespace std {

void __throw_bad_alloc() {
    throw bad_alloc();
}

void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}

void __throw_length_error(const char* text) {
    throw LengthError(text);
}

void __throw_logic_error(const char* text) {
    throw LibraryMisuse(text);
}

// The text is the library's pattern, its numbers not filled in.
void __throw_out_of_range_fmt(const char* pattern, ...) {
    throw LibraryMisuse(pattern);
}

} // namespace std
