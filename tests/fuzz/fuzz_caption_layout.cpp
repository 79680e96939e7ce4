// Caption centring over any box and measured block.
#include "controls/caption_layout.h"

#include "fuzz/fuzz_input.h"

#include <cstdint>

namespace {

// Every edge within a range where no move can leave int.
bool IsModest(const CaptionBox& box) {
    constexpr int kLimit = 1 << 28;
    for (int edge : {box.left, box.top, box.right, box.bottom})
        if (edge < -kLimit || edge > kLimit)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto consumeBox = [&input]() {
        return CaptionBox{input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(),
                          input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>()};
    };
    const CaptionBox box = consumeBox();
    const CaptionBox block = consumeBox();
    const int dx = input.ConsumeIntegral<int>();
    const int dy = input.ConsumeIntegral<int>();

    const CaptionBox moved = OffsetBox(box, dx, dy);
    Require((moved.left >= box.left) == (dx >= 0) || moved.left == box.left);
    CentreBlock(box, block);
    if (IsModest(box)) {
        // A block measured from the box keeps its size, and its margins differ by at most one.
        const int width = input.ConsumeIntegralInRange(0, 1 << 28);
        const int height = input.ConsumeIntegralInRange(0, 1 << 28);
        const CaptionBox measured{box.left, box.top, box.left + width, box.top + height};
        const CaptionBox centred = CentreBlock(box, measured);
        Require(centred.right - centred.left == width && centred.bottom - centred.top == height);
        const std::int64_t leftMargin = std::int64_t{centred.left} - box.left;
        const std::int64_t rightMargin = std::int64_t{box.right} - centred.right;
        Require(rightMargin - leftMargin >= -1 && rightMargin - leftMargin <= 1);
    }
    return 0;
}
