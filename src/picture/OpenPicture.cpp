#include "picture/OpenPicture.h"

#include <algorithm>
#include <utility>

#include "picture/BmpReader.h"
#include "picture/FitKernel.h"
#include "picture/FitPicture.h"
#include "platform/Platform.h"

namespace {

// Discarding works on whole pages; starting every range on this boundary (a multiple of every
// page size and of the Windows view granularity) lets a page cut by the previous range go too.
constexpr size_t kDiscardAlignment = 65536;
// Each discard is a system call and a flush of the address translations; gathering the rows left
// behind into batches of this size keeps those few while the resident size stays a few MiB.
constexpr size_t kDiscardBatch = size_t(4) << 20;

// Fits both boxes in one upward pass over the file's rows, always advancing the fitter whose next
// row lies lower, and discards the rows that both have left behind.
template <int Bits>
void FitFromFile(const uint8_t* file,
                 const PixelSource& source,
                 float scaleA,
                 DibBuffer& fitA,
                 float scaleB,
                 DibBuffer& fitB,
                 const DiscardRange& discard) {
    const ColourTable colours(source);
    BoxFitter<Bits> a(source, colours, scaleA, fitA);
    BoxFitter<Bits> b(source, colours, scaleB, fitB);
    const size_t rowsOffset = static_cast<size_t>(source.rows - file);
    const size_t rowBytes = static_cast<size_t>(RowBytesFor(source.bitCount, source.width));
    size_t discardedEnd = rowsOffset;
    while (!a.Done() || !b.Done()) {
        BoxFitter<Bits>& next = b.Done() || (!a.Done() && a.NextCentreRow() <= b.NextCentreRow()) ? a : b;
        next.FitRow();
        const int32_t lowestNeeded = std::min(a.Done() ? source.height : a.NextCentreRow() - 1,
                                              b.Done() ? source.height : b.NextCentreRow() - 1);
        const size_t neededOffset = rowsOffset + static_cast<size_t>(std::max(lowestNeeded, 0)) * rowBytes;
        if (discard && neededOffset >= discardedEnd + kDiscardBatch) {
            const size_t start = discardedEnd / kDiscardAlignment * kDiscardAlignment;
            discard(start, neededOffset - start);
            discardedEnd = neededOffset;
        }
    }
}

int FitFromPlugin(const std::string& path,
                  const PictureDecoder& plugins,
                  bool& delivered,
                  DibBuffer& fit232,
                  DibBuffer& fit116) {
    DibBuffer picture;
    const PluginDecodeResult decoded = plugins(path, picture);
    delivered = decoded.delivered;
    if (!delivered || !decoded.result)
        return 0;
    return FitPicture(picture, fit232, kFitBoxWidth, kFitBoxHeightMainEq) &&
           FitPicture(picture, fit116, kFitBoxWidth, kFitBoxHeightMain);
}

}  // namespace

int FitBmpMemory(const uint8_t* file, size_t size, DibBuffer& fit232, DibBuffer& fit116, const DiscardRange& discard) {
    PixelSource source;
    if (ParseBmp(file, size, source) != BmpError::None)
        return 0;
    const FitGeometry geometry232 = ComputeFit(source.width, source.height, kFitBoxWidth, kFitBoxHeightMainEq);
    const FitGeometry geometry116 = ComputeFit(source.width, source.height, kFitBoxWidth, kFitBoxHeightMain);
    DibBuffer new232, new116;
    if (!new232.Allocate(geometry232.width, geometry232.height, 32) ||
        !new116.Allocate(geometry116.width, geometry116.height, 32))
        return 0;
    VisitBitCount(source.bitCount, [&](auto bits) {
        FitFromFile<decltype(bits)::value>(file, source, geometry232.scale, new232, geometry116.scale, new116, discard);
    });
    fit232 = std::move(new232);
    fit116 = std::move(new116);
    return 1;
}

int OpenAndFitPicture(const std::string& path, DibBuffer& fit232, DibBuffer& fit116, const PictureDecoder& plugins) {
    const platform::WaitCursor wait;
    if (plugins) {
        DibBuffer new232, new116;
        bool delivered = false;
        const int result = FitFromPlugin(path, plugins, delivered, new232, new116);
        if (delivered) {
            if (!result)
                return 0;
            fit232 = std::move(new232);
            fit116 = std::move(new116);
            return 1;
        }
    }
    const platform::MappedFile file(path);
    if (!file.IsOpen())
        return 0;
    return FitBmpMemory(file.Data(), file.Size(), fit232, fit116,
                        [&file](size_t offset, size_t length) { file.Discard(offset, length); });
}
