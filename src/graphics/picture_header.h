// A picture's size read from the first bytes of its file, before any decoder
// sees it, so that a picture too large to hold is refused at once instead of
// after the decoder has filled the memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The most memory a held picture may take: half the 2 GB address space of the
// 32-bit launcher. Decoding holds a picture twice at its peak (the decoder's
// rows beside the held bitmap: the peak working set measures about twice the
// held bitmap), and the system's libraries split the rest of the space, so a
// larger picture can never be held; the decoders would only find out after
// seconds and a gigabyte.
constexpr std::uint64_t kMaxHeldPictureBytes = std::uint64_t{1} << 30;

// Bytes of the file's start that hold the header of every format read here.
constexpr std::size_t kPictureHeaderBytes = 30;

struct PictureHeader {
    std::uint32_t width;
    std::uint32_t height;
    // The fewest bits per pixel the decoders hold this picture at: its stored
    // depth, at most 32 (deeper pixels are held as 32-bit colour).
    int bitsPerPixel;
};

// The size of a PNG or BMP picture from the first bytes of its file; none for
// another format or a header that is cut short or makes no sense (those are
// left to the decoders, which refuse them as before). A GIF's screen size is
// not always the size decoded (one decoder takes its first image's), and a
// JPEG's size lies behind its metadata: both are left to the decoders too.
std::optional<PictureHeader> ReadPictureHeader(const std::uint8_t* bytes, std::size_t size);

// Whether the picture needs more than kMaxHeldPictureBytes as a bitmap at the
// header's depth (rows padded to 32-bit words).
bool TooLargeToHold(const PictureHeader& header);
