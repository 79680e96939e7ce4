#include "graphics/display_scale.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <limits>

namespace {

int Clamped(std::int64_t value) {
    constexpr std::int64_t lowest = std::numeric_limits<int>::min();
    constexpr std::int64_t highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(value, lowest, highest));
}

// numerator / denominator rounded to nearest, halves away from zero; denominator > 0.
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

} // namespace

int ScaledLength(int length, int dpi) {
    return Clamped(RoundedQuotient(std::int64_t{length} * dpi, kBaseDpi));
}

int FittedDpi(int dpi, int width, int height, int workWidth, int workHeight) {
    std::int64_t fitted = dpi;
    if (width > 0 && workWidth > 0)
        fitted = std::min(fitted, std::int64_t{workWidth} * kBaseDpi / width);
    if (height > 0 && workHeight > 0)
        fitted = std::min(fitted, std::int64_t{workHeight} * kBaseDpi / height);
    return static_cast<int>(std::max<std::int64_t>(fitted, kBaseDpi));
}

int ChooseAssetPercent(int dpi, bool has150, bool has200) {
    const int percent = static_cast<int>(RoundedQuotient(std::int64_t{dpi} * 100, kBaseDpi));
    if (percent <= 100)
        return 100;
    if (has150 && (percent <= 150 || !has200))
        return 150;
    return has200 ? 200 : 100;
}

std::string ScaledAssetName(const std::string& path, int percent) {
    if (percent == 100)
        return path;
    const std::string suffix = ".scale-" + std::to_string(percent);
    const size_t folder = path.find_last_of("\\/");
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (folder != std::string::npos && dot < folder))
        return path + suffix;
    return path.substr(0, dot) + suffix + path.substr(dot);
}

int BaseLength(int length, int percent) {
    return percent > 0 ? Clamped(RoundedQuotient(std::int64_t{length} * 100, percent)) : length;
}

bool HeldAtScale(int heldLength, int percent, int length, int dpi) {
    if (heldLength == length)
        return true;
    if (std::int64_t{dpi} * 100 != std::int64_t{percent} * kBaseDpi)
        return false;
    // The base length is rounded by up to half a pixel, which the scale makes
    // percent / 200 pixels; the scaled length is rounded by another half.
    const std::int64_t off = std::abs(std::int64_t{heldLength} - length);
    return off * 200 <= std::int64_t{percent} + 100;
}
