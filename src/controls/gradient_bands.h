// The vertical colour bands of a label's horizontal two-colour gradient.
#pragma once

#include <cstdint>
#include <vector>

// A colour as the platform stores it: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

struct GradientBand {
    // Corners handed to the platform's rectangle primitive with the null pen,
    // which fills one pixel less in width and height than they span: the band
    // covers columns left..right-2 and rows top..bottom-2.
    int left;
    int top;
    int right;
    int bottom;
    Colour colour;
};

// The bands filling the rectangle from `from` at the left to `to` at the right
// in at most `steps` bands: integer steps of 1/256 per colour component, equal
// band widths, the last band taking the remainder; none for an empty width.
std::vector<GradientBand> GradientBands(int left, int top, int right, int bottom, Colour from,
                                        Colour to, int steps);
