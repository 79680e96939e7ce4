// The lead bytes of the Japanese double-byte code page (932).
#pragma once

#include "app/lead_bytes.h"

inline LeadByteTable ShiftJisLeadBytes() {
    LeadByteTable table;
    for (int b = 0x81; b <= 0x9F; ++b)
        table.SetLeadByte(static_cast<unsigned char>(b));
    for (int b = 0xE0; b <= 0xFC; ++b)
        table.SetLeadByte(static_cast<unsigned char>(b));
    return table;
}
