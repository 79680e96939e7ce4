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
struct Shading {
    IndexImage image;
    int g;               // granularity
    DrawDivider divider; // draw / G
    CrtRandom random;

    int Width() const { return image.width; }
    int Height() const { return image.height; }
    std::uint8_t* Line(int r) const { return image.pixels + std::size_t(r) * image.stride; }
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

// t = (r * 255) / sY - 127 for r = 0, 1, ...: the curve's position on a line.
SteppedQuotient LinePosition(int height) {
    return SteppedQuotient(0, 255, height);
}

// t = ((sX - x) * 255) / sX - 127 for x = 0, 1, ...: the position on a column.
SteppedQuotient ColumnPosition(int width) {
    return SteppedQuotient(std::int64_t(width) * 255, -255, width);
}

void ShadeGrain(Shading& shared) {
    Shading s = shared;
    for (int r = 0; r < s.Height(); ++r) {
        std::uint8_t* line = s.Line(r);
        for (int x = 0; x < s.Width(); ++x)
            line[x] = Byte(s.Grain() + 128);
    }
    shared.random = s.random;
}

void ShadeDiagonal(Shading& shared) {
    Shading s = shared;
    const int a = (255 - 2 * s.g) / 2;
    const SteppedQuotient columnStart(std::int64_t(a) * s.Width(), -a, s.Width());
    SteppedQuotient lineTerm(0, a, s.Height());
    for (int r = 0; r < s.Height(); ++r, lineTerm.Advance()) {
        std::uint8_t* line = s.Line(r);
        const std::int64_t base = lineTerm.Value() + s.g;
        SteppedQuotient column = columnStart;
        for (int x = 0; x < s.Width(); ++x, column.Advance())
            line[x] = Byte(column.Value() + base + s.Grain());
    }
    shared.random = s.random;
}

void ShadeRows(Shading& shared) {
    Shading s = shared;
    const int d = 255 - 2 * s.g;
    SteppedQuotient lineTerm(0, d, s.Height());
    for (int r = 0; r < s.Height(); ++r, lineTerm.Advance()) {
        std::uint8_t* line = s.Line(r);
        const std::int64_t value = lineTerm.Value() + s.g;
        for (int x = 0; x < s.Width(); ++x)
            line[x] = Byte(value + s.Grain());
    }
    shared.random = s.random;
}

// Column order: columns left to right, each from the bottom line up.
template <class ColumnValue> void ShadeByColumn(Shading& s, ColumnValue columnValue) {
    for (int x = 0; x < s.Width(); ++x) {
        const std::int64_t value = columnValue(x);
        std::uint8_t* pixel = s.image.pixels + x;
        for (int r = 0; r < s.Height(); ++r, pixel += s.image.stride)
            *pixel = Byte(value + s.Grain());
    }
}

void ShadeColumns(Shading& shared) {
    Shading s = shared;
    const int d = 255 - 2 * s.g;
    SteppedQuotient columnTerm(std::int64_t(d) * s.Width(), -d, s.Width());
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
    SteppedQuotient position = LinePosition(s.Height());
    for (int r = 0; r < s.Height(); ++r, position.Advance()) {
        std::uint8_t* line = s.Line(r);
        const int value = CurveValue(static_cast<int>(position.Value()) - 127, s.g);
        for (int x = 0; x < s.Width(); ++x)
            line[x] = Byte(value + s.Grain());
    }
    shared.random = s.random;
}

void ShadeColumnCurve(Shading& shared) {
    Shading s = shared;
    SteppedQuotient position = ColumnPosition(s.Width());
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

    const SteppedQuotient columnStart = ColumnPosition(s.Width());
    SteppedQuotient linePosition = LinePosition(s.Height());
    for (int r = 0; r < s.Height(); ++r, linePosition.Advance()) {
        std::uint8_t* line = s.Line(r);
        const int lineCube = cubes[std::size_t(linePosition.Value())] - lowSum;
        SteppedQuotient column = columnStart;
        for (int x = 0; x < s.Width(); ++x, column.Advance()) {
            const int sum = cubes[std::size_t(column.Value())] + lineCube;
            line[x] = Byte(values[std::size_t(sum)] + s.Grain());
        }
    }
    shared.random = s.random;
}

void ShadeBevel(Shading& shared) {
    Shading s = shared;
    const int width = s.Width();
    const int height = s.Height();
    // Pass 1: a flat row-to-row curve with grain.
    SteppedQuotient position = LinePosition(height);
    for (int r = 0; r < height; ++r, position.Advance()) {
        std::uint8_t* line = s.Line(r);
        const int t = static_cast<int>(position.Value()) - 127;
        const int value = (Cube(t) * (64 - s.g) * 2) / 128 + 128;
        for (int x = 0; x < width; ++x)
            line[x] = Byte(value + s.Grain());
    }

    // Pass 2: lens-shaped bevels at both sides, grain everywhere.
    const int h = std::min(width / 6, 16);
    const std::int64_t depth = std::int64_t(height) * height / 4; // D
    const int half = width / 2;
    for (int r = 0; r < height; ++r) {
        std::uint8_t* line = s.Line(r);
        const std::int64_t k = r - height / 2;
        // A single line (D = 0) is the middle line: full bevel width there.
        const std::int64_t e = depth ? (k * h * k) / depth : 0;
        // Left bevel where x + e - h < 0; right bevel where x > e + 2 * half - h.
        const int leftEnd = static_cast<int>(std::clamp<std::int64_t>(h - e, 0, width));
        const int rightStart = std::max(
            leftEnd, static_cast<int>(std::clamp<std::int64_t>(e + 2 * half - h + 1, 0, width)));
        int x = 0;
        if (leftEnd > 0) {
            SteppedQuotient fall(0, 128, h); // (128 * x) / h
            for (; x < leftEnd; ++x, fall.Advance())
                line[x] = Byte(255 - s.g - fall.Value() + s.Grain());
        }
        for (; x < rightStart; ++x)
            line[x] = Byte(line[x] + s.Grain());
        if (x < width && h > 0) {
            SteppedQuotient rise(std::int64_t(128) * (width - x), -128, h); // (128 * (sX - x)) / h
            for (; x < width; ++x, rise.Advance())
                line[x] = Byte(rise.Value() + s.g + s.Grain());
        }
    }
    shared.random = s.random;
}

void ShadeScratches(Shading& shared) {
    Shading s = shared;
    const int width = s.Width();
    const int height = s.Height();
    std::memset(s.image.pixels, 0, s.image.stride * std::size_t(height));
    if (width == 0 || height == 0)
        return; // nothing to scratch, and no draws for it

    // Divisors of at least 1: images wider or higher than 32767 get their
    // strokes in the first 32768 columns or lines.
    const int a1 = std::max(1, CrtRandom::kMax / width);
    const int a2 = std::max(1, CrtRandom::kMax / height);
    const int lengthDivisor = std::max(1, CrtRandom::kMax / std::min(width, height));
    auto put = [&](int x, int y, int index) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            s.Line(height - 1 - y)[x] = Byte(index);
    };
    for (int stroke = 0; stroke < 200; ++stroke) {
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

    const int a = (255 - 2 * s.g - 40) / 2;
    const SteppedQuotient columnStart(std::int64_t(a) * width, -a, width);
    SteppedQuotient lineTerm(0, a, height);
    for (int r = 0; r < height; ++r, lineTerm.Advance()) {
        std::uint8_t* line = s.Line(r);
        const std::int64_t base = lineTerm.Value();
        SteppedQuotient column = columnStart;
        for (int x = 0; x < width; ++x, column.Advance())
            line[x] = Byte(line[x] + column.Value() + base + s.Draw());
    }
    shared.random = s.random;
}

} // namespace

void ShadeIndexImage(const IndexImage& image, std::uint32_t effect, std::uint8_t granularity,
                     CrtRandom& random) {
    if (!image.pixels || image.width < 0 || image.height < 0)
        return;
    // An empty image has no pixels and takes no draws; only the scratches
    // still clear what bytes it has.
    if ((image.width == 0 || image.height == 0) && effect != SHADE_SCRATCHES)
        return;
    const int g = granularity;
    Shading s{image, g,
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
