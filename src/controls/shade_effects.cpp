#include "controls/shade_effects.h"

#include "controls/stepped_quotient.h"

#include <algorithm>
#include <array>
#include <cstring>

// The effects' formulas are evaluated once per line or column, their varying
// quotients stepped as running sums (SteppedQuotient); per pixel there is only
// the draw, its division done as a multiplication and shift (DrawDivider), and
// additions.

namespace {

// Everything an effect needs, held by value: each effect works on a local copy
// so that the compiler can keep it in registers (the pixel stores are bytes,
// which could alias anything reached through a reference).
//
// Formulas use the full image's coordinates: columns left ... Right() - 1 and
// lines Bottom() ... Top() - 1 are stored. The generator's position counts the
// draws of the full image; SkipTo passes over those of pixels not stored, and
// costs nothing when the part is the whole image.
struct Shading {
    IndexImage image;
    ImagePart part;
    int g;               // granularity
    DrawDivider divider; // draw / G
    CrtRandom random;
    std::uint64_t position = 0; // draws made or skipped so far

    int Width() const { return part.fullWidth; }
    int Height() const { return part.fullHeight; }
    int Left() const { return part.left; }
    int Right() const { return part.left + image.width; }
    int Bottom() const { return part.bottom; }
    int Top() const { return part.bottom + image.height; }
    std::uint64_t Pixels() const { return std::uint64_t(Width()) * std::uint64_t(Height()); }
    // The stored line of full line r, indexed from column Left().
    std::uint8_t* Line(int r) const {
        return image.pixels + std::size_t(r - part.bottom) * image.stride;
    }
    // Moves the generator to the draw of that index, counted from the first.
    void SkipTo(std::uint64_t index) {
        if (index != position)
            random.Skip(index - position);
        position = index;
    }
    // Before the stored run of line r of a row-by-row pass starting at draw `base`.
    void StartLine(std::uint64_t base, int r) {
        SkipTo(base + std::uint64_t(r) * std::uint64_t(Width()) + std::uint64_t(Left()));
    }
    void EndLine() { position += std::uint64_t(image.width); }
    // q: 0 ... about 2g.
    int Draw() { return divider(random.Next()); }
    // q - g: the grain added to a pixel.
    int Grain() { return Draw() - g; }
};

std::uint8_t Byte(std::int64_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// The cubic light curve c(t) = t^3 / 16384, truncated toward zero.
int Cube(int t) {
    return (t * t * t) / 16384;
}

// numerator + step * i over divisor for i = first, first + 1, ...
SteppedQuotient SteppedFrom(std::int64_t numerator, std::int64_t step, std::int64_t divisor,
                            int first) {
    return SteppedQuotient(numerator + step * first, step, divisor);
}

// t = (r * 255) / sY - 127 for r = Bottom(), ...: the curve's position on a line.
SteppedQuotient LinePosition(const Shading& s) {
    return SteppedFrom(0, 255, s.Height(), s.Bottom());
}

// t = ((sX - x) * 255) / sX - 127 for x = Left(), ...: the position on a column.
SteppedQuotient ColumnPosition(const Shading& s) {
    return SteppedFrom(std::int64_t(s.Width()) * 255, -255, s.Width(), s.Left());
}

void ShadeGrain(Shading& shared) {
    Shading s = shared;
    for (int r = s.Bottom(); r < s.Top(); ++r) {
        s.StartLine(0, r);
        std::uint8_t* line = s.Line(r);
        for (int x = 0; x < s.image.width; ++x)
            line[x] = Byte(s.Grain() + 128);
        s.EndLine();
    }
    s.SkipTo(s.Pixels());
    shared.random = s.random;
}

void ShadeDiagonal(Shading& shared) {
    Shading s = shared;
    const int a = (255 - 2 * s.g) / 2;
    const SteppedQuotient columnStart =
        SteppedFrom(std::int64_t(a) * s.Width(), -a, s.Width(), s.Left());
    SteppedQuotient lineTerm = SteppedFrom(0, a, s.Height(), s.Bottom());
    for (int r = s.Bottom(); r < s.Top(); ++r, lineTerm.Advance()) {
        s.StartLine(0, r);
        std::uint8_t* line = s.Line(r);
        const std::int64_t base = lineTerm.Value() + s.g;
        SteppedQuotient column = columnStart;
        for (int x = 0; x < s.image.width; ++x, column.Advance())
            line[x] = Byte(column.Value() + base + s.Grain());
        s.EndLine();
    }
    s.SkipTo(s.Pixels());
    shared.random = s.random;
}

void ShadeRows(Shading& shared) {
    Shading s = shared;
    const int d = 255 - 2 * s.g;
    SteppedQuotient lineTerm = SteppedFrom(0, d, s.Height(), s.Bottom());
    for (int r = s.Bottom(); r < s.Top(); ++r, lineTerm.Advance()) {
        s.StartLine(0, r);
        std::uint8_t* line = s.Line(r);
        const std::int64_t value = lineTerm.Value() + s.g;
        for (int x = 0; x < s.image.width; ++x)
            line[x] = Byte(value + s.Grain());
        s.EndLine();
    }
    s.SkipTo(s.Pixels());
    shared.random = s.random;
}

// Column order: columns left to right, each from the bottom line up.
template <class ColumnValue> void ShadeByColumn(Shading& s, ColumnValue columnValue) {
    for (int x = s.Left(); x < s.Right(); ++x) {
        s.SkipTo(std::uint64_t(x) * std::uint64_t(s.Height()) + std::uint64_t(s.Bottom()));
        const std::int64_t value = columnValue(x);
        std::uint8_t* pixel = s.image.pixels + (x - s.Left());
        for (int r = 0; r < s.image.height; ++r, pixel += s.image.stride)
            *pixel = Byte(value + s.Grain());
        s.position += std::uint64_t(s.image.height);
    }
    s.SkipTo(s.Pixels());
}

void ShadeColumns(Shading& shared) {
    Shading s = shared;
    const int d = 255 - 2 * s.g;
    SteppedQuotient columnTerm = SteppedFrom(std::int64_t(d) * s.Width(), -d, s.Width(), s.Left());
    ShadeByColumn(s, [&](int) {
        const std::int64_t value = columnTerm.Value() + s.g;
        columnTerm.Advance();
        return value;
    });
    shared.random = s.random;
}

int CurveValue(int t, int g) {
    return (Cube(t) * (128 - g)) / 128 + 128;
}

void ShadeRowCurve(Shading& shared) {
    Shading s = shared;
    SteppedQuotient position = LinePosition(s);
    for (int r = s.Bottom(); r < s.Top(); ++r, position.Advance()) {
        s.StartLine(0, r);
        std::uint8_t* line = s.Line(r);
        const int value = CurveValue(static_cast<int>(position.Value()) - 127, s.g);
        for (int x = 0; x < s.image.width; ++x)
            line[x] = Byte(value + s.Grain());
        s.EndLine();
    }
    s.SkipTo(s.Pixels());
    shared.random = s.random;
}

void ShadeColumnCurve(Shading& shared) {
    Shading s = shared;
    SteppedQuotient position = ColumnPosition(s);
    ShadeByColumn(s, [&](int) {
        const int value = CurveValue(static_cast<int>(position.Value()) - 127, s.g);
        position.Advance();
        return value;
    });
    shared.random = s.random;
}

void ShadeCushion(Shading& shared) {
    Shading s = shared;
    // Positions run -127 ... 128, so cubes and their clamped sums come from tables.
    constexpr int kLowT = -127;
    std::array<int, 256> cubes{};
    for (int i = 0; i < 256; ++i)
        cubes[std::size_t(i)] = Cube(i + kLowT);
    const int lowSum = 2 * Cube(kLowT);
    const int highSum = 2 * Cube(128);
    std::array<int, 2 * 128 + 2 * 125 + 1> values{};
    for (int sum = lowSum; sum <= highSum; ++sum) {
        int v = (sum * (128 - s.g)) / 128 + 128;
        if (v < s.g)
            v = s.g;
        if (v > 255 - s.g)
            v = 255 - s.g;
        values[std::size_t(sum - lowSum)] = v;
    }

    const SteppedQuotient columnStart = ColumnPosition(s);
    SteppedQuotient linePosition = LinePosition(s);
    for (int r = s.Bottom(); r < s.Top(); ++r, linePosition.Advance()) {
        s.StartLine(0, r);
        std::uint8_t* line = s.Line(r);
        const int lineCube = cubes[std::size_t(linePosition.Value())] - lowSum;
        SteppedQuotient column = columnStart;
        for (int x = 0; x < s.image.width; ++x, column.Advance()) {
            const int sum = cubes[std::size_t(column.Value())] + lineCube;
            line[x] = Byte(values[std::size_t(sum)] + s.Grain());
        }
        s.EndLine();
    }
    s.SkipTo(s.Pixels());
    shared.random = s.random;
}

void ShadeBevel(Shading& shared) {
    Shading s = shared;
    const int width = s.Width();
    const int height = s.Height();
    const int left = s.Left();
    const int right = s.Right();
    // Pass 1: a flat row-to-row curve with grain.
    SteppedQuotient position = LinePosition(s);
    for (int r = s.Bottom(); r < s.Top(); ++r, position.Advance()) {
        s.StartLine(0, r);
        std::uint8_t* line = s.Line(r);
        const int t = static_cast<int>(position.Value()) - 127;
        const int value = (Cube(t) * (64 - s.g) * 2) / 128 + 128;
        for (int x = 0; x < s.image.width; ++x)
            line[x] = Byte(value + s.Grain());
        s.EndLine();
    }

    // Pass 2: lens-shaped bevels at both sides, grain everywhere.
    const std::uint64_t pass2 = s.Pixels();
    const int h = std::min(width / 6, 16);
    const std::int64_t depth = std::int64_t(height) * height / 4; // D
    const int half = width / 2;
    for (int r = s.Bottom(); r < s.Top(); ++r) {
        s.StartLine(pass2, r);
        std::uint8_t* line = s.Line(r);
        const std::int64_t k = r - height / 2;
        // A single line (D = 0) is the middle line: full bevel width there.
        const std::int64_t e = depth ? (k * h * k) / depth : 0;
        // Left bevel where x + e - h < 0; right bevel where x > e + 2 * half - h.
        const int leftEnd = static_cast<int>(std::clamp<std::int64_t>(h - e, 0, width));
        const int rightStart = std::max(
            leftEnd, static_cast<int>(std::clamp<std::int64_t>(e + 2 * half - h + 1, 0, width)));
        int x = left;
        if (x < std::min(leftEnd, right)) {
            SteppedQuotient fall = SteppedFrom(0, 128, h, x); // (128 * x) / h
            for (; x < std::min(leftEnd, right); ++x, fall.Advance())
                line[x - left] = Byte(255 - s.g - fall.Value() + s.Grain());
        }
        for (; x < std::min(rightStart, right); ++x)
            line[x - left] = Byte(line[x - left] + s.Grain());
        if (x < right && h > 0) {
            // (128 * (sX - x)) / h
            SteppedQuotient rise(std::int64_t(128) * (width - x), -128, h);
            for (; x < right; ++x, rise.Advance())
                line[x - left] = Byte(rise.Value() + s.g + s.Grain());
        }
        s.EndLine();
    }
    s.SkipTo(2 * s.Pixels());
    shared.random = s.random;
}

void ShadeScratches(Shading& shared) {
    Shading s = shared;
    const int width = s.Width();
    const int height = s.Height();
    if (s.image.pixels)
        std::memset(s.image.pixels, 0, s.image.stride * std::size_t(s.image.height));
    if (width == 0 || height == 0)
        return; // nothing to scratch, and no draws for it

    // Divisors of at least 1: images wider or higher than 32767 get their
    // strokes in the first 32768 columns or lines.
    const int a1 = std::max(1, CrtRandom::kMax / width);
    const int a2 = std::max(1, CrtRandom::kMax / height);
    const int lengthDivisor = std::max(1, CrtRandom::kMax / std::min(width, height));
    // y counted from the top; only stored pixels are written.
    auto put = [&](int x, int y, int index) {
        const int r = height - 1 - y;
        if (x >= s.Left() && x < s.Right() && r >= s.Bottom() && r < s.Top())
            s.Line(r)[x - s.Left()] = Byte(index);
    };
    constexpr int kStrokes = 200;
    for (int stroke = 0; stroke < kStrokes; ++stroke) {
        const int x0 = s.random.Next() / a1;
        const int y0 = s.random.Next() / a2;
        const int length = (s.random.Next() / lengthDivisor) / 2;
        const int index = s.random.Next() / 819;
        for (int i = 0; i < length; ++i) {
            if (x0 - i > 0 && y0 + i < height)
                put(x0 - i, y0 + i, index);
            if (x0 + i < width && y0 - i > 0)
                put(width - x0 + i, y0 - i, index); // the mirrored column
        }
    }
    const std::uint64_t strokeDraws = 4 * kStrokes;
    s.position = strokeDraws;

    const int a = (255 - 2 * s.g - 40) / 2;
    const SteppedQuotient columnStart = SteppedFrom(std::int64_t(a) * width, -a, width, s.Left());
    SteppedQuotient lineTerm = SteppedFrom(0, a, height, s.Bottom());
    for (int r = s.Bottom(); r < s.Top(); ++r, lineTerm.Advance()) {
        s.StartLine(strokeDraws, r);
        std::uint8_t* line = s.Line(r);
        const std::int64_t base = lineTerm.Value();
        SteppedQuotient column = columnStart;
        for (int x = 0; x < s.image.width; ++x, column.Advance())
            line[x] = Byte(line[x] + column.Value() + base + s.Draw());
        s.EndLine();
    }
    s.SkipTo(strokeDraws + s.Pixels());
    shared.random = s.random;
}

} // namespace

void ShadeIndexImagePart(const IndexImage& image, const ImagePart& part, std::uint32_t effect,
                         std::uint8_t granularity, CrtRandom& random) {
    if (image.width < 0 || image.height < 0 || part.left < 0 || part.bottom < 0 ||
        std::int64_t(part.left) + image.width > part.fullWidth ||
        std::int64_t(part.bottom) + image.height > part.fullHeight)
        return;
    if (!image.pixels && image.width > 0 && image.height > 0)
        return;
    // An empty image has no pixels and takes no draws; only the scratches
    // still clear what bytes it has.
    if ((part.fullWidth == 0 || part.fullHeight == 0) && effect != SHADE_SCRATCHES)
        return;
    const int g = granularity;
    Shading s{image, part, g,
              DrawDivider(static_cast<std::uint32_t>(CrtRandom::kMax / std::max(1, 2 * g))),
              random};
    switch (effect) {
    case SHADE_DIAGONAL:
        ShadeDiagonal(s);
        break;
    case SHADE_ROWS:
        ShadeRows(s);
        break;
    case SHADE_COLUMNS:
        ShadeColumns(s);
        break;
    case SHADE_ROW_CURVE:
        ShadeRowCurve(s);
        break;
    case SHADE_COLUMN_CURVE:
        ShadeColumnCurve(s);
        break;
    case SHADE_CUSHION:
        ShadeCushion(s);
        break;
    case SHADE_BEVEL:
        ShadeBevel(s);
        break;
    case SHADE_SCRATCHES:
        ShadeScratches(s);
        break;
    default:
        ShadeGrain(s);
        break;
    }
    random = s.random;
}

void ShadeIndexImage(const IndexImage& image, std::uint32_t effect, std::uint8_t granularity,
                     CrtRandom& random) {
    if (!image.pixels)
        return;
    ShadeIndexImagePart(image, ImagePart{0, 0, image.width, image.height}, effect, granularity,
                        random);
}
