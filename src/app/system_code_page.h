// The lead bytes of the ANSI code page this process runs in.
#pragma once

#include "app/lead_bytes.h"

const LeadByteTable& CurrentLeadBytes();
