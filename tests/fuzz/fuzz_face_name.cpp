// Face-name fitting over any name and code page.
#include "app/face_name.h"

#include "fuzz/fuzz_input.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const LeadByteTable leadBytes = ConsumeLeadBytes(input);
    const std::string name = input.ConsumeRemainingBytesAsString();

    const std::string fitted = FitFaceName(name, leadBytes);
    Require(fitted.size() < kFaceNameBytes);
    Require(name.compare(0, fitted.size(), fitted) == 0);
    Require(IsCharacterBoundary(name, fitted.size(), leadBytes));

    char field[kFaceNameBytes];
    std::memset(field, 0x5A, sizeof field);
    CopyFaceName(field, name, leadBytes);
    Require(field[kFaceNameBytes - 1] == '\0');
    Require(std::memcmp(field, fitted.data(), fitted.size()) == 0);
    return 0;
}
