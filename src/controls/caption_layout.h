// Where a button's caption block goes: centred in its box both ways.
#pragma once

struct CaptionBox {
    int left;
    int top;
    int right;
    int bottom;
};

// The box moved by (dx, dy); an edge that would leave the range of int is held
// at its limit.
CaptionBox OffsetBox(const CaptionBox& box, int dx, int dy);

// The measured text block (left and top as measured from the box) moved so
// that it is centred in box; odd leftovers go right and down (truncation
// toward zero, also when the block is larger than the box). Edges are held at
// the limits of int, as in OffsetBox.
CaptionBox CentreBlock(const CaptionBox& box, const CaptionBox& block);
