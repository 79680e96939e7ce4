#include "layout_geometry.h"

#include <climits>
#include <cstdlib>

namespace {

int Centre(int low, int high) {
    return low + (high - low) / 2;
}

// The smallest correction that puts one of the lines on a guide line within
// reach; 0 when none is.
int Correction(const std::vector<int>& lines, const std::vector<int>& guideLines, int reach) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int line : lines)
        for (int guide : guideLines) {
            const int distance = std::abs(guide - line);
            if (distance <= reach && distance < bestDistance) {
                best = guide - line;
                bestDistance = distance;
            }
        }
    return best;
}

void SnapAxis(int& low, int& high, bool lowMoves, bool highMoves, const std::vector<int>& guides,
              int reach) {
    std::vector<int> lines;
    if (lowMoves)
        lines.push_back(low);
    if (highMoves)
        lines.push_back(high);
    if (lowMoves && highMoves)
        lines.push_back(Centre(low, high));
    const int shift = Correction(lines, guides, reach);
    if (lowMoves)
        low += shift;
    if (highMoves)
        high += shift;
}

} // namespace

PixelRect Snapped(const PixelRect& rect, const MovingEdges& moving,
                  const std::vector<PixelRect>& guides, int reach) {
    std::vector<int> vertical, horizontal;
    for (const PixelRect& guide : guides) {
        vertical.insert(vertical.end(), {guide.left, guide.right, Centre(guide.left, guide.right)});
        horizontal.insert(horizontal.end(),
                          {guide.top, guide.bottom, Centre(guide.top, guide.bottom)});
    }
    PixelRect result = rect;
    SnapAxis(result.left, result.right, moving.left, moving.right, vertical, reach);
    SnapAxis(result.top, result.bottom, moving.top, moving.bottom, horizontal, reach);
    return result;
}

PixelRect Dragged(const PixelRect& rect, const MovingEdges& moving, int dx, int dy) {
    PixelRect result = rect;
    if (moving.left)
        result.left += dx;
    if (moving.right)
        result.right += dx;
    if (moving.top)
        result.top += dy;
    if (moving.bottom)
        result.bottom += dy;
    // A handle dragged past the opposite edge stops one pixel short of it.
    if (result.right - result.left < 1) {
        if (moving.left && !moving.right)
            result.left = result.right - 1;
        else
            result.right = result.left + 1;
    }
    if (result.bottom - result.top < 1) {
        if (moving.top && !moving.bottom)
            result.top = result.bottom - 1;
        else
            result.bottom = result.top + 1;
    }
    return result;
}

void Align(std::vector<PixelRect>& rects, Alignment alignment) {
    if (rects.empty())
        return;
    const PixelRect first = rects.front();
    for (PixelRect& rect : rects) {
        int dx = 0, dy = 0;
        switch (alignment) {
        case Alignment::kLeft:
            dx = first.left - rect.left;
            break;
        case Alignment::kRight:
            dx = first.right - rect.right;
            break;
        case Alignment::kTop:
            dy = first.top - rect.top;
            break;
        case Alignment::kBottom:
            dy = first.bottom - rect.bottom;
            break;
        case Alignment::kHorizontalCentre:
            dx = Centre(first.left, first.right) - Centre(rect.left, rect.right);
            break;
        case Alignment::kVerticalCentre:
            dy = Centre(first.top, first.bottom) - Centre(rect.top, rect.bottom);
            break;
        }
        rect = Dragged(rect, kWholeRect, dx, dy);
    }
}

void MakeSameSize(std::vector<PixelRect>& rects) {
    if (rects.empty())
        return;
    const int width = rects.front().right - rects.front().left;
    const int height = rects.front().bottom - rects.front().top;
    for (PixelRect& rect : rects) {
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
    }
}
