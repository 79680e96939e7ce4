// A picture file's first bytes, any of them: a header read from them has a
// depth a bitmap can have, and the limit holds over the whole range of sizes.
#include "graphics/picture_header.h"

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<PictureHeader> header = ReadPictureHeader(data, size);
    if (!header)
        return 0;
    Require(header->bitsPerPixel >= 0 && header->bitsPerPixel <= 32);
    const unsigned __int128 rowBytes =
        (static_cast<unsigned __int128>(header->width) * header->bitsPerPixel + 31) / 32 * 4;
    const bool tooLarge = header->bitsPerPixel > 0 && header->width > 0 && header->height > 0 &&
                          rowBytes * header->height > kMaxHeldPictureBytes;
    Require(TooLargeToHold(*header) == tooLarge);
    return 0;
}
