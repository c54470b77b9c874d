#include "picture/FitRows.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <new>

#include "picture/BlueGreenRed.h"
#include "picture/FitKernel.h"
#include "picture/OpenPicture.h"

bool FitRows::Start(int32_t width, int32_t height, int channels) {
    source_.width = width;
    source_.height = height;
    source_.bitCount = 24;
    channels_ = channels;
    const int32_t boxHeights[2] = {kFitBoxHeightMainEq, kFitBoxHeightMain};
    for (int b = 0; b < 2; ++b) {
        Box& box = boxes_[b];
        box.geometry = ComputeFit(width, height, kFitBoxWidth, boxHeights[b]);
        box.next = box.geometry.height - 1;
        if (!box.opaque.Allocate(box.geometry.width, box.geometry.height, 32) ||
            (channels == 4 && !box.overBlack.Allocate(box.geometry.width, box.geometry.height, 32)))
            return false;
    }
    // Each box's destination columns in turn, their centres and neighbours: both lists ascend.
    std::vector<int32_t> sampled[2];
    for (int b = 0; b < 2; ++b) {
        for (int32_t j = 0; j < boxes_[b].geometry.width; ++j) {
            const int32_t cx = FitCentre(j, boxes_[b].geometry.scale);
            for (int32_t x = std::max(cx - 1, 0); x <= std::min(cx + 1, width - 1); ++x) {
                if (sampled[b].empty() || sampled[b].back() < x)
                    sampled[b].push_back(x);
            }
        }
    }
    columns_.clear();
    std::set_union(sampled[0].begin(), sampled[0].end(), sampled[1].begin(), sampled[1].end(),
                   std::back_inserter(columns_));
    const size_t rowBytes = 3 * static_cast<size_t>(width);
    for (HeldRow& row : held_) {
        row.opaque.reset(new (std::nothrow) uint8_t[rowBytes]);
        if (channels == 4)
            row.overBlack.reset(new (std::nothrow) uint8_t[rowBytes]);
        if (!row.opaque || (channels == 4 && !row.overBlack))
            return false;
    }
    return true;
}

// The highest stored row at or below y that the box samples. Its destination rows sample
// centres that never decrease going up, so the answer comes from the highest destination row i
// centred at or below y + 1: its rows reach from its centre - 1 (at or below y) to its centre + 1.
int32_t FitRows::NextWantedIn(const Box& box, int32_t y) const {
    const float scale = box.geometry.scale;
    const int32_t last = box.geometry.height - 1;
    const double estimate = std::ceil((y + 2.0) * scale) - 1;
    int32_t i = static_cast<int32_t>(std::clamp(estimate, 0.0, static_cast<double>(last)));
    while (i < last && FitCentre(i + 1, scale) <= y + 1)
        ++i;
    while (i > 0 && FitCentre(i, scale) > y + 1)
        --i;
    return std::min(FitCentre(i, scale) + 1, y);
}

int32_t FitRows::NextWanted(int32_t top) const {
    if (top >= source_.height)
        return source_.height;
    const int32_t y = source_.height - 1 - top;
    return source_.height - 1 - std::max(NextWantedIn(boxes_[0], y), NextWantedIn(boxes_[1], y));
}

// A slot whose row lies above every row a box still needs (its next destination row's centre + 1).
FitRows::HeldRow* FitRows::FreeSlot() {
    int32_t needed = -1;
    for (const Box& box : boxes_) {
        if (box.next >= 0)
            needed = std::max(needed, FitCentre(box.next, box.geometry.scale) + 1);
    }
    for (HeldRow& row : held_) {
        if (row.y < 0 || row.y > needed)
            return &row;
    }
    return nullptr;
}

const uint8_t* FitRows::Held(int32_t y, bool overBlack) const {
    if (y < 0 || y >= source_.height)
        return nullptr;
    for (const HeldRow& row : held_) {
        if (row.y == y)
            return overBlack ? row.overBlack.get() : row.opaque.get();
    }
    return nullptr;
}

// Fits every destination row whose lowest source row (its centre - 1, or the bottom row) is in.
void FitRows::FitReadyRows(Box& box, int32_t y) {
    while (box.next >= 0) {
        const int32_t cy = FitCentre(box.next, box.geometry.scale);
        if (y > std::max(cy - 1, 0))
            return;
        for (bool overBlack : {false, true}) {
            if (overBlack && channels_ != 4)
                break;
            const uint8_t* rows[3] = {Held(cy - 1, overBlack), Held(cy, overBlack), Held(cy + 1, overBlack)};
            BoxFitter<24> fitter(source_, noPalette_, box.geometry.scale, overBlack ? box.overBlack : box.opaque);
            fitter.FitRowFrom(box.next, rows);
        }
        --box.next;
    }
}

void FitRows::Take(int32_t top, const uint8_t* row) {
    HeldRow* slot = FreeSlot();
    if (!slot)
        return;  // cannot happen: each box needs at most three rows at a time
    slot->y = source_.height - 1 - top;
    for (const int32_t x : columns_) {
        const uint8_t* pixel = row + static_cast<size_t>(channels_) * x;
        ToBlueGreenRed(pixel, channels_, false, slot->opaque.get() + 3 * static_cast<size_t>(x));
        if (channels_ == 4)
            ToBlueGreenRed(pixel, channels_, true, slot->overBlack.get() + 3 * static_cast<size_t>(x));
    }
    for (Box& box : boxes_)
        FitReadyRows(box, slot->y);
}

void FitRows::Finish(DibBuffer& fit232, DibBuffer& fit116) {
    fit232 = std::move(transparent_ ? boxes_[0].overBlack : boxes_[0].opaque);
    fit116 = std::move(transparent_ ? boxes_[1].overBlack : boxes_[1].opaque);
}
