// A bound on how deeply the groups of an RTF stream nest, applied while the
// stream is read: rich edit controls keep a fixed stack of group states, and
// Wine's (32 states) reads past its stack on a deeper file and crashes.
#pragma once

#include <cstddef>

class RtfGroupDepthGuard {
public:
    // The document's own group included; deeper than licence texts nest.
    static constexpr int kMaxDepth = 32;

    // How many of the next `size` bytes may be passed on: all of them, or
    // those before the group opening that would go past kMaxDepth. Once it
    // has cut a stream it admits nothing more.
    std::size_t Admit(const char* bytes, std::size_t size);
    bool cut() const { return m_cut; }

private:
    int m_depth = 0;
    bool m_escaped = false; // the byte before was an unescaped backslash
    bool m_cut = false;
};
