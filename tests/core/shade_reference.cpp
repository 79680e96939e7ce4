#include "shade_reference.h"

#include <algorithm>
#include <cstring>

namespace {

struct Canvas {
    std::vector<std::uint8_t>& pixels;
    int sX;
    int sY;
    std::size_t stride;
    std::uint8_t& At(int x, int r) { return pixels[std::size_t(r) * stride + std::size_t(x)]; }
    void Store(int x, int r, long long value) { At(x, r) = static_cast<std::uint8_t>(value); }
    void Add(int x, int r, long long value) {
        At(x, r) = static_cast<std::uint8_t>(At(x, r) + value);
    }
    // y from the top, as the bitmap's PutPixel counts it.
    void Put(int x, int y, int index) {
        if (x >= 0 && y >= 0 && x < sX && y < sY)
            At(x, sY - 1 - y) = static_cast<std::uint8_t>(index);
    }
};

int C(int t) {
    return t * t * t / 16384;
}

} // namespace

void ReferenceShade(std::vector<std::uint8_t>& pixels, int sX, int sY, std::size_t stride,
                    std::uint32_t effect, int g, ReferenceRandom& random) {
    Canvas p{pixels, sX, sY, stride};
    const int G = 32767 / std::max(1, 2 * g);
    auto q = [&] { return random.Next() / G; };
    auto lineOrder = [&](auto body) {
        for (int r = 0; r < sY; ++r)
            for (int x = 0; x < sX; ++x)
                body(x, r);
    };
    auto columnOrder = [&](auto body) {
        for (int x = 0; x < sX; ++x)
            for (int r = 0; r < sY; ++r)
                body(x, r);
    };
    // Store the value, then add the grain.
    auto withGrain = [&](int x, int r, long long value) {
        p.Store(x, r, value);
        p.Add(x, r, q() - g);
    };

    switch (effect) {
    case 1: {
        const int a = (255 - 2 * g) / 2;
        lineOrder([&](int x, int r) { withGrain(x, r, (a * (sX - x)) / sX + (r * a) / sY + g); });
        break;
    }
    case 2: {
        const int d = 255 - 2 * g;
        lineOrder([&](int x, int r) { withGrain(x, r, (r * d) / sY + g); });
        break;
    }
    case 3: {
        const int d = 255 - 2 * g;
        columnOrder([&](int x, int r) { withGrain(x, r, (d * (sX - x)) / sX + g); });
        break;
    }
    case 4:
        lineOrder([&](int x, int r) {
            const int t = (r * 255) / sY - 127;
            withGrain(x, r, (C(t) * (128 - g)) / 128 + 128);
        });
        break;
    case 5:
        columnOrder([&](int x, int r) {
            const int t = ((sX - x) * 255) / sX - 127;
            withGrain(x, r, (C(t) * (128 - g)) / 128 + 128);
        });
        break;
    case 6:
        lineOrder([&](int x, int r) {
            const int tx = ((sX - x) * 255) / sX - 127;
            const int tr = (r * 255) / sY - 127;
            int v = ((C(tx) + C(tr)) * (128 - g)) / 128 + 128;
            if (v < g)
                v = g;
            if (v > 255 - g)
                v = 255 - g;
            withGrain(x, r, v);
        });
        break;
    case 7: {
        lineOrder([&](int x, int r) {
            const int t = (r * 255) / sY - 127;
            withGrain(x, r, (C(t) * (64 - g) * 2) / 128 + 128);
        });
        const int h = std::min(sX / 6, 16);
        const long long D = (long long)sY * sY / 4;
        const int half = sX / 2;
        lineOrder([&](int x, int r) {
            const long long k = r - sY / 2;
            const long long e = D == 0 ? 0 : (k * h * k) / D; // one line: the middle line
            const long long K = x - half;
            const long long J = e + half - h;
            if (K > J)
                p.Store(x, r, (128LL * (sX - x)) / h + g);
            if (K + J < 0)
                p.Store(x, r, 255 - g - (128LL * x) / h);
            p.Add(x, r, q() - g);
        });
        break;
    }
    case 8: {
        if (!pixels.empty())
            std::memset(pixels.data(), 0, stride * std::size_t(sY));
        if (sX == 0 || sY == 0)
            break;
        const int a1 = std::max(1, 32767 / sX);
        const int a2 = std::max(1, 32767 / sY);
        const int m = std::min(sX, sY);
        for (int n = 0; n < 200; ++n) {
            const int x0 = random.Next() / a1;
            const int y0 = random.Next() / a2;
            const int len = (random.Next() / std::max(1, 32767 / m)) / 2;
            const int c = random.Next() / 819;
            for (int i = 0; i < len; ++i) {
                if (x0 - i > 0 && y0 + i < sY)
                    p.Put(x0 - i, y0 + i, c);
                if (x0 + i < sX && y0 - i > 0)
                    p.Put(sX - x0 + i, y0 - i, c);
            }
        }
        const int a = (255 - 2 * g - 40) / 2;
        lineOrder([&](int x, int r) {
            p.Add(x, r, (a * (long long)(sX - x)) / sX + (r * a) / sY);
            p.Add(x, r, q());
        });
        break;
    }
    default:
        lineOrder([&](int x, int r) { p.Store(x, r, q() - g + 128); });
        break;
    }
}
