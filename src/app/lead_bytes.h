// Which bytes start a double-byte character in the ANSI code page of a run.
// The core cannot ask the platform, so the caller passes this table in.
#pragma once

#include <array>
#include <string>

class LeadByteTable {
public:
    // A single-byte code page: no lead bytes.
    LeadByteTable() = default;
    void SetLeadByte(unsigned char byte) { m_lead[byte] = true; }
    bool IsLeadByte(char byte) const { return m_lead[static_cast<unsigned char>(byte)]; }
    // Length in bytes of the character that starts at text[i] (1 or 2).
    size_t CharLength(const std::string& text, size_t i) const {
        return IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    }

private:
    std::array<bool, 256> m_lead{};
};
