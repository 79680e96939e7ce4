// The geometry of layout editing: snapping a dragged rectangle to the others,
// aligning a selection and giving it one size, moving a handle. Plain C++.
#pragma once

#include "forms/form_layout.h"

#include <vector>

// Which edges of a rectangle a drag moves: all four for a move, one or two
// for a resize handle.
struct MovingEdges {
    bool left, top, right, bottom;
};
constexpr MovingEdges kWholeRect{true, true, true, true};

// The rectangle shifted (a move) or its moving edges set (a resize) so that
// the nearest of its moving edges or, for a move, its centre lies on an edge
// or centre of a guide, when one lies within `reach`; each axis on its own.
PixelRect Snapped(const PixelRect& rect, const MovingEdges& moving,
                  const std::vector<PixelRect>& guides, int reach);

// The rectangle with its moving edges shifted by (dx, dy), never narrower or
// lower than one pixel.
PixelRect Dragged(const PixelRect& rect, const MovingEdges& moving, int dx, int dy);

enum class Alignment { kLeft, kRight, kTop, kBottom, kHorizontalCentre, kVerticalCentre };
// Every rectangle moved (size kept) to line up with the first one.
void Align(std::vector<PixelRect>& rects, Alignment alignment);
// Every rectangle given the first one's width and height (top-left kept).
void MakeSameSize(std::vector<PixelRect>& rects);
