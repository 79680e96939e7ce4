#include "forms/form_layout.h"

#include "graphics/display_scale.h"

#include <cstdint>
#include <limits>

namespace {

int Saturated(std::int64_t value) {
    constexpr std::int64_t lowest = std::numeric_limits<int>::min();
    constexpr std::int64_t highest = std::numeric_limits<int>::max();
    return static_cast<int>(value < lowest ? lowest : value > highest ? highest : value);
}

} // namespace

int ButtonsToBuild(int buttonCount) {
    if (buttonCount <= 0)
        return 0;
    return buttonCount < kButtonSlots ? buttonCount : kButtonSlots;
}

std::string ButtonSectionName(const std::string& formName, int number) {
    return formName + ".button" + std::to_string(number);
}

PixelRect ButtonRectangle(int x, int y, int width, int height) {
    return {x, y, Saturated(std::int64_t{x} + width), Saturated(std::int64_t{y} + height)};
}

PixelRect VersionTextRectangle(int versionX, int versionY, int clientWidth, int clientHeight,
                               int dpi) {
    return {ScaledLength(versionX, dpi), ScaledLength(versionY, dpi),
            Saturated(std::int64_t{clientWidth} - ScaledLength(40, dpi)), clientHeight};
}

PixelRect ScaledRect(const PixelRect& rect, int dpi) {
    return {ScaledLength(rect.left, dpi), ScaledLength(rect.top, dpi),
            ScaledLength(rect.right, dpi), ScaledLength(rect.bottom, dpi)};
}
