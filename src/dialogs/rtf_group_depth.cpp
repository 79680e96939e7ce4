#include "dialogs/rtf_group_depth.h"

std::size_t RtfGroupDepthGuard::Admit(const char* bytes, std::size_t size) {
    if (m_cut)
        return 0;
    for (std::size_t i = 0; i < size; ++i) {
        const char byte = bytes[i];
        if (m_escaped) {
            // "\{", "\}" and "\\" are characters, not group marks.
            m_escaped = false;
            continue;
        }
        if (byte == '\\') {
            m_escaped = true;
        } else if (byte == '{') {
            if (m_depth == kMaxDepth) {
                m_cut = true;
                return i;
            }
            ++m_depth;
        } else if (byte == '}' && m_depth > 0) {
            --m_depth;
        }
    }
    return size;
}
