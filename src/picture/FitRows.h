// Fitting a picture whose rows arrive top-down from a decoder into both boxes (275 x 232 and
// 275 x 116) as they come, holding only the rows the sampler still needs: at most three for each
// box. A picture with alpha is fitted twice, opaque and over black, because whether its alpha
// counts (it does not when it is zero everywhere) is known only after its last row.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "picture/DibBuffer.h"
#include "picture/FitPicture.h"
#include "picture/PixelSource.h"
#include "picture/RowReceiver.h"

class FitRows final : public RowReceiver {
  public:
    bool Start(int32_t width, int32_t height, int channels) override;
    // Depends on `top` alone, as an interlaced reader needs: the rows each box samples (the centre
    // row of each destination row and its two neighbours).
    int32_t NextWanted(int32_t top) const override;
    void Take(int32_t top, const uint8_t* row) override;
    void SetTransparency(bool transparent) override { transparent_ = transparent; }

    // After the last row: the fitted copies, the ones over black when the picture has transparency.
    void Finish(DibBuffer& fit232, DibBuffer& fit116);

  private:
    // Rows held at once: three for each box, the two boxes' sets overlapping or not.
    static constexpr int kHeldRows = 6;

    struct Box {
        FitGeometry geometry;
        DibBuffer opaque, overBlack;
        int32_t next = 0;  // the next destination row to fit, counting down; -1 when all are
    };
    struct HeldRow {
        int32_t y = -1;  // stored row (from the bottom); -1 when the slot is free
        std::unique_ptr<uint8_t[]> opaque, overBlack;
    };

    int32_t NextWantedIn(const Box& box, int32_t y) const;
    HeldRow* FreeSlot();
    const uint8_t* Held(int32_t y, bool overBlack) const;
    void FitReadyRows(Box& box, int32_t y);

    PixelSource source_;            // size only: the rows are the held ones
    std::vector<int32_t> columns_;  // the columns either box samples, the only ones converted
    const ColourTable noPalette_{PixelSource{}};
    int channels_ = 3;
    bool transparent_ = false;
    Box boxes_[2];
    HeldRow held_[kHeldRows];
};
