#include "controls/caption_layout.h"

CaptionBox OffsetBox(const CaptionBox& box, int dx, int dy) {
    return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

CaptionBox CentreBlock(const CaptionBox& box, const CaptionBox& block) {
    // C++ division truncates toward zero, as the layout asks.
    const int dx = ((box.right - box.left) - (block.right - block.left)) / 2;
    const int dy = ((box.bottom - box.top) - (block.bottom - block.top)) / 2;
    return OffsetBox(block, dx, dy);
}
