#include "compose/VisGradation.h"

#include <algorithm>
#include <cstdint>

#include "compose/VisColorPanel.h"

namespace {

// The running value is a float rounded after every addition, exactly as the dialog always did it:
// going from 1 to 11 in six steps the third colour gets 5 (the sum is 5.9999995), not 6.
void StepChannel(uint8_t SkinColorValue::*channel,
                 std::array<SkinColorValue, kVisColorCount>& colors,
                 size_t lo,
                 int n) {
    const int start = colors[lo].*channel;
    const int end = colors[lo + static_cast<size_t>(n)].*channel;
    const float step = static_cast<float>(static_cast<double>(end - start) / n);
    float value = static_cast<float>(start);
    for (int k = 1; k < n; ++k) {
        value = value + step;
        // Between two bytes the sum stays inside (-1, 256): the int conversion truncates safely.
        colors[lo + static_cast<size_t>(k)].*channel = static_cast<uint8_t>(static_cast<int>(value));
    }
}

}  // namespace

bool FillVisGradation(std::array<SkinColorValue, kVisColorCount>& colors, int markA, int markB) {
    const int positions = kVisAnalyzer.count;
    if (markA < 0 || markA >= positions || markB < 0 || markB >= positions)
        return false;
    const int lo = std::min(markA, markB);
    const int n = std::max(markA, markB) - lo;
    if (n < 2)
        return false;
    const size_t first = kVisAnalyzer.first + static_cast<size_t>(lo);
    StepChannel(&SkinColorValue::blue, colors, first, n);
    StepChannel(&SkinColorValue::green, colors, first, n);
    StepChannel(&SkinColorValue::red, colors, first, n);
    return true;
}
