// Integer quotients of an evenly stepped numerator, kept without dividing.
#pragma once

#include <cstdint>

// Follows n / divisor, truncated toward zero, while n moves by a fixed step:
// each Advance costs two additions and a comparison instead of a division.
// Internally the floor quotient and a remainder in [0, divisor) are kept.
class SteppedQuotient {
public:
    // divisor must be positive.
    SteppedQuotient(std::int64_t numerator, std::int64_t step, std::int64_t divisor)
        : m_divisor(divisor) {
        FloorDivide(numerator, m_quotient, m_remainder);
        FloorDivide(step, m_stepQuotient, m_stepRemainder);
    }

    // numerator / divisor, truncated toward zero.
    std::int64_t Value() const { return m_quotient + (m_quotient < 0 && m_remainder != 0); }

    void Advance() {
        m_quotient += m_stepQuotient;
        m_remainder += m_stepRemainder;
        if (m_remainder >= m_divisor) {
            m_remainder -= m_divisor;
            ++m_quotient;
        }
    }

private:
    void FloorDivide(std::int64_t n, std::int64_t& quotient, std::int64_t& remainder) const {
        quotient = n / m_divisor;
        remainder = n % m_divisor;
        if (remainder < 0) {
            remainder += m_divisor;
            --quotient;
        }
    }

    std::int64_t m_divisor;
    std::int64_t m_quotient = 0;
    std::int64_t m_remainder = 0;
    std::int64_t m_stepQuotient = 0;
    std::int64_t m_stepRemainder = 0;
};

// draw / divisor for draws 0 ... 32767 as a multiplication and a shift, exact
// over that whole range (the multiplier is the divisor's rounded-up reciprocal
// with 15 bits more precision than the divisor has).
class DrawDivider {
public:
    // divisor 1 ... 32767.
    explicit DrawDivider(std::uint32_t divisor) {
        unsigned bits = 0;
        while ((std::uint32_t{1} << bits) < divisor)
            ++bits;
        m_shift = 15 + bits;
        m_multiplier =
            static_cast<std::uint32_t>(((std::uint64_t{1} << m_shift) + divisor - 1) / divisor);
    }
    int operator()(int draw) const {
        return static_cast<int>((static_cast<std::uint32_t>(draw) * m_multiplier) >> m_shift);
    }

private:
    std::uint32_t m_multiplier;
    unsigned m_shift;
};
