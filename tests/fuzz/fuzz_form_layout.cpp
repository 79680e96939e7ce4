// A form's layout arithmetic over any configured numbers and client size.
#include "forms/form_layout.h"

#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <climits>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int count = input.ConsumeIntegral<int>();
    const int x = input.ConsumeIntegral<int>();
    const int y = input.ConsumeIntegral<int>();
    const int width = input.ConsumeIntegral<int>();
    const int height = input.ConsumeIntegral<int>();
    const int clientWidth = input.ConsumeIntegral<int>();
    const int clientHeight = input.ConsumeIntegral<int>();
    const std::string formName = input.ConsumeRemainingBytesAsString();

    const int built = ButtonsToBuild(count);
    Require(built >= 0 && built <= kButtonSlots && built <= (count > 0 ? count : 0));
    const std::string section = ButtonSectionName(formName, count);
    Require(section.compare(0, formName.size(), formName) == 0);

    const PixelRect button = ButtonRectangle(x, y, width, height);
    Require(button.left == x && button.top == y);
    // Held at the limits of int, never wrapped round.
    const auto held = [](std::int64_t edge) {
        return std::clamp<std::int64_t>(edge, INT_MIN, INT_MAX);
    };
    Require(button.right == held(std::int64_t{x} + width));
    Require(button.bottom == held(std::int64_t{y} + height));

    const PixelRect version = VersionTextRectangle(x, y, clientWidth, clientHeight);
    Require(version.left == x && version.top == y && version.bottom == clientHeight);
    Require(version.right == held(std::int64_t{clientWidth} - 40));
    return 0;
}
