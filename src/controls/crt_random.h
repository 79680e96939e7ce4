// The shading's random source: the C runtime's rand() sequence, reproduced so
// that every run, on every platform, shades the same buttons the same way.
#pragma once

#include <cstdint>

class CrtRandom {
public:
    static constexpr int kMax = 0x7FFF;

    // 0 ... 32767, the next value of the runtime's sequence.
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }
    // Moves on as far as `draws` calls of Next would, in logarithmic time:
    // n steps of the congruence are again one affine step.
    void Skip(std::uint64_t draws) {
        std::uint32_t multiplier = 214013u, increment = 2531011u;
        std::uint32_t totalMultiplier = 1u, totalIncrement = 0u;
        for (; draws != 0; draws >>= 1) {
            if (draws & 1u) {
                totalMultiplier *= multiplier;
                totalIncrement = totalIncrement * multiplier + increment;
            }
            increment *= multiplier + 1u;
            multiplier *= multiplier;
        }
        m_state = m_state * totalMultiplier + totalIncrement;
    }
    // Back to the state a thread starts with.
    void Restart() { m_state = 1; }

private:
    std::uint32_t m_state = 1;
};

// The generator of the calling thread: starts at state 1 with the thread and is
// never reseeded. Only the user-interface thread shades, so only it draws.
CrtRandom& UiThreadRandom();
