// Drawing at the display's scale: lengths at `dpi` dots per inch from lengths
// at the base 96, the scale lowered until a picture fits the work area, and the
// choice among pictures made for larger scales ("NAME.scale-150.png" and
// "NAME.scale-200.png" beside "NAME.png").
#pragma once

#include <string>

constexpr int kBaseDpi = 96;

// A length (or signed font height) given at 96 DPI, at `dpi`: rounded to the
// nearest pixel, halves away from zero, so that a length and its negation
// scale alike and an edge two rectangles share stays shared. Held at the
// limits of int.
int ScaledLength(int length, int dpi);

// The dots per inch to draw a picture of width x height (at 96 DPI) at: the
// display's, lowered so that the scaled picture fits the work area, never
// below 96. A work area of 0 or less limits nothing.
int FittedDpi(int dpi, int width, int height, int workWidth, int workHeight);

// The scale in percent (100, 150 or 200) of the picture to use at `dpi`,
// from those present (the base always is): the smallest at least as large as
// the scale, so that it is shrunk rather than enlarged, else the largest.
int ChooseAssetPercent(int dpi, bool has150, bool has200);

// The name of the picture for the scale in percent: "dir\\NAME.scale-150.png"
// for "dir\\NAME.png"; the path itself for 100.
std::string ScaledAssetName(const std::string& path, int percent);

// A length of a picture made for `percent`, at 100 percent (rounded).
int BaseLength(int length, int percent);

// Whether a length of a picture made for `percent` is drawn as it is for the
// length `length` at `dpi`: it is that length, or the picture was made for
// exactly this scale and is off by no more than rounding gives (a picture of
// 1000 pixels made for 150 % has a base of 667, which scales to 1001).
bool HeldAtScale(int heldLength, int percent, int length, int dpi);
