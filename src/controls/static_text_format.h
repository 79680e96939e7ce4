// How a label lays out its text, from the alignment bits of a static control's
// style. The values are the platform's; the core does not include its headers.
#pragma once

#include <cstdint>
#include <string>

namespace static_style {
constexpr std::uint32_t kTypeMask = 0x1F; // the low five bits: alignment or kind
constexpr std::uint32_t kCenter = 0x01;
constexpr std::uint32_t kRight = 0x02;
constexpr std::uint32_t kLeftNoWordWrap = 0x0C;
constexpr std::uint32_t kCenterImage = 0x200;
} // namespace static_style

namespace text_format {
constexpr unsigned kLeft = 0x00;
constexpr unsigned kCenter = 0x01;
constexpr unsigned kRight = 0x02;
constexpr unsigned kVCenter = 0x04;
constexpr unsigned kWordBreak = 0x10;
constexpr unsigned kSingleLine = 0x20;
} // namespace text_format

// The text-drawing flags for a label of this style showing this text.
unsigned StaticTextFormat(std::uint32_t style, const std::string& text);
