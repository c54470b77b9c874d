#include "picture/OpenPicture.h"

#include <algorithm>
#include <utility>

#include "picture/BitmapDecoder.h"
#include "picture/BmpReader.h"
#include "picture/FitKernel.h"
#include "picture/FitPicture.h"
#include "picture/FitRows.h"
#include "picture/PictureKind.h"
#include "picture/RowReceiver.h"
#include "platform/Platform.h"

namespace {

// Discarding works on whole pages; starting every range on this boundary (a multiple of every
// page size and of the Windows view granularity) lets a page cut by the previous range go too.
constexpr size_t kDiscardAlignment = 65536;
// Each discard is a system call and a flush of the address translations; gathering the rows left
// behind into batches of this size keeps those few while the resident size stays a few MiB.
constexpr size_t kDiscardBatch = size_t(4) << 20;

// Told, after each fitted row, how many of the source's lowest rows no fitter needs again.
using RowsBehind = std::function<void(int32_t rows)>;

// Fits both boxes in one upward pass over the source's rows, always advancing the fitter whose next
// row lies lower.
template <int Bits>
void FitBoth(const PixelSource& source,
             float scaleA,
             DibBuffer& fitA,
             float scaleB,
             DibBuffer& fitB,
             const RowsBehind& behind) {
    const ColourTable colours(source);
    BoxFitter<Bits> a(source, colours, scaleA, fitA);
    BoxFitter<Bits> b(source, colours, scaleB, fitB);
    while (!a.Done() || !b.Done()) {
        BoxFitter<Bits>& next = b.Done() || (!a.Done() && a.NextCentreRow() <= b.NextCentreRow()) ? a : b;
        next.FitRow();
        if (behind)
            behind(std::max(std::min(a.Done() ? source.height : a.NextCentreRow() - 1,
                                     b.Done() ? source.height : b.NextCentreRow() - 1),
                            0));
    }
}

int FitSource(const PixelSource& source, DibBuffer& fit232, DibBuffer& fit116, const RowsBehind& behind) {
    const FitGeometry geometry232 = ComputeFit(source.width, source.height, kFitBoxWidth, kFitBoxHeightMainEq);
    const FitGeometry geometry116 = ComputeFit(source.width, source.height, kFitBoxWidth, kFitBoxHeightMain);
    DibBuffer new232, new116;
    if (!new232.Allocate(geometry232.width, geometry232.height, 32) ||
        !new116.Allocate(geometry116.width, geometry116.height, 32))
        return 0;
    const bool known = VisitBitCount(source.bitCount, [&](auto bits) {
        FitBoth<decltype(bits)::value>(source, geometry232.scale, new232, geometry116.scale, new116, behind);
    });
    if (!known)
        return 0;
    fit232 = std::move(new232);
    fit116 = std::move(new116);
    return 1;
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

std::string DescribeRefusal(const uint8_t* file, size_t size) {
    if (const char* name = UnreadFormatName(file, size))
        return "looks like a " + std::string(name) + " picture, a format this program does not read";
    return "not a picture this program reads (PNG, JPEG, GIF, TGA, PSD, PNM or BMP)";
}

}  // namespace

namespace {

// FitBmpMemory once the file has been parsed into `source`.
int FitBmpSource(const uint8_t* file,
                 const PixelSource& source,
                 DibBuffer& fit232,
                 DibBuffer& fit116,
                 const DiscardRange& discard) {
    RowsBehind behind;
    if (discard) {
        const size_t rowsOffset = static_cast<size_t>(source.rows - file);
        behind = [&discard, rowsOffset, stride = source.stride, discardedEnd = rowsOffset](int32_t rows) mutable {
            const size_t neededOffset = rowsOffset + static_cast<size_t>(rows) * stride;
            if (neededOffset >= discardedEnd + kDiscardBatch) {
                const size_t start = discardedEnd / kDiscardAlignment * kDiscardAlignment;
                discard(start, neededOffset - start);
                discardedEnd = neededOffset;
            }
        };
    }
    return FitSource(source, fit232, fit116, behind);
}

}  // namespace

int FitBmpMemory(const uint8_t* file, size_t size, DibBuffer& fit232, DibBuffer& fit116, const DiscardRange& discard) {
    PixelSource source;
    return ParseBmp(file, size, source) == BmpError::None ? FitBmpSource(file, source, fit232, fit116, discard) : 0;
}

int FitImageMemory(const uint8_t* file,
                   size_t size,
                   DibBuffer& fit232,
                   DibBuffer& fit116,
                   ImageProblem& problem,
                   const DiscardRange& discard) {
    if (const RowReader read = RowReaderFor(IdentifyImage(file, size))) {
        FitRows fit;
        problem = read(file, size, kMaxImagePixels, &fit, discard);
        if (problem.error != ImageError::None)
            return 0;
        fit.Finish(fit232, fit116);
        return 1;
    }
    DecodedImage image;
    problem = DecodeImage(file, size, image, kMaxImagePixels, discard);
    if (problem.error != ImageError::None)
        return 0;
    if (!FitSource(image.Source(), fit232, fit116, {})) {
        problem.error = ImageError::OutOfMemory;
        return 0;
    }
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
    DibBuffer new232, new116;
    if (!FitBmpMemory(file.Data(), file.Size(), new232, new116,
                      [&file](size_t offset, size_t length) { file.Discard(offset, length); }) ||
        file.Shrank())
        return 0;
    fit232 = std::move(new232);
    fit116 = std::move(new116);
    return 1;
}

int FitAnyPictureMemory(const uint8_t* file,
                        size_t size,
                        DibBuffer& fit232,
                        DibBuffer& fit116,
                        std::string& why,
                        const DiscardRange& discard) {
    if (IdentifyImage(file, size) != ImageFormat::None) {
        ImageProblem problem;
        if (FitImageMemory(file, size, fit232, fit116, problem, discard))
            return 1;
        why = Describe(problem);
        return 0;
    }
    if (size < 2 || file[0] != 'B' || file[1] != 'M') {
        why = DescribeRefusal(file, size);
        return 0;
    }
    // The bitmaps the built-in reader takes are fitted straight from the file; the other kinds
    // common tools write are decoded first.
    PixelSource source;
    DecodedBitmap decoded;
    const bool plain = ParseBmp(file, size, source) == BmpError::None;
    if (!plain && !DecodeOtherBitmap(file, size, decoded, why))
        return 0;
    if (!(plain ? FitBmpSource(file, source, fit232, fit116, discard)
                : FitSource(decoded.source, fit232, fit116, {}))) {
        why = "not enough memory for its fitted copies";
        return 0;
    }
    return 1;
}

int OpenAndFitAnyPicture(const std::string& path, DibBuffer& fit232, DibBuffer& fit116, std::string& why) {
    const platform::WaitCursor wait;
    const platform::MappedFile file(path);
    if (!file.IsOpen()) {
        why = file.Failure();
        return 0;
    }
    DibBuffer new232, new116;
    const int fitted = FitAnyPictureMemory(file.Data(), file.Size(), new232, new116, why,
                                           [&file](size_t offset, size_t length) { file.Discard(offset, length); });
    if (file.Shrank()) {
        why = "truncated picture: the file became shorter while it was read";
        return 0;
    }
    if (!fitted)
        return 0;
    fit232 = std::move(new232);
    fit116 = std::move(new116);
    return 1;
}
