// Shared by the fuzz targets: the fuzzer's bytes turned into the core's inputs,
// and the check that stops a run when a promised property does not hold.
#pragma once

#include "app/lead_bytes.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

// No lead bytes (a single-byte code page), the lead bytes of the Japanese code
// page, or any set the input picks: the core must hold for every table.
inline LeadByteTable ConsumeLeadBytes(FuzzedDataProvider& input) {
    LeadByteTable table;
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 1:
        for (int byte = 0x81; byte <= 0xFC; ++byte)
            if (byte <= 0x9F || byte >= 0xE0)
                table.SetLeadByte(static_cast<unsigned char>(byte));
        break;
    case 2:
        for (int byte = 0; byte < 256; ++byte)
            if (input.ConsumeBool())
                table.SetLeadByte(static_cast<unsigned char>(byte));
        break;
    default:
        break;
    }
    return table;
}

// Aborts, so that the fuzzer reports the input, when a property fails.
inline void Require(bool holds) {
    if (!holds)
        std::abort();
}

// Offsets of every character start in the text, and its end.
inline bool IsCharacterBoundary(const std::string& text, std::size_t offset,
                                const LeadByteTable& leadBytes) {
    std::size_t i = 0;
    while (i < offset)
        i += leadBytes.CharLength(text, i);
    return i == offset;
}
