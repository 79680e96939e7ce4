#include "controls/caption_layout.h"

#include <cstdint>
#include <limits>

namespace {

// Sizes and moves of boxes at the far ends of int do not fit an int: they are
// worked out in 64 bits and each edge is held at the limit it would pass.
int HeldEdge(std::int64_t edge) {
    constexpr std::int64_t lowest = std::numeric_limits<int>::min();
    constexpr std::int64_t highest = std::numeric_limits<int>::max();
    return static_cast<int>(edge < lowest ? lowest : edge > highest ? highest : edge);
}

CaptionBox MovedBox(const CaptionBox& box, std::int64_t dx, std::int64_t dy) {
    return {HeldEdge(box.left + dx), HeldEdge(box.top + dy), HeldEdge(box.right + dx),
            HeldEdge(box.bottom + dy)};
}

std::int64_t Span(int from, int to) {
    return std::int64_t{to} - from;
}

} // namespace

CaptionBox OffsetBox(const CaptionBox& box, int dx, int dy) {
    return MovedBox(box, dx, dy);
}

CaptionBox CentreBlock(const CaptionBox& box, const CaptionBox& block) {
    // C++ division truncates toward zero, as the layout asks.
    const std::int64_t dx = (Span(box.left, box.right) - Span(block.left, block.right)) / 2;
    const std::int64_t dy = (Span(box.top, box.bottom) - Span(block.top, block.bottom)) / 2;
    return MovedBox(block, dx, dy);
}
