#include "app/system_code_page.h"

#include <windows.h>

const LeadByteTable& CurrentLeadBytes() {
    static const LeadByteTable table = [] {
        LeadByteTable lead;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            if (::IsDBCSLeadByte(static_cast<BYTE>(byte)))
                lead.SetLeadByte(static_cast<unsigned char>(byte));
        return lead;
    }();
    return table;
}
