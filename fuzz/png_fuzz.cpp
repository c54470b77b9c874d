// libFuzzer target for the PNG reader alone (libspng: rows decoded one by one, interlaced passes, alpha fitted both
// ways), whole and fitted from its sampled rows (DecoderCheck.h). Inputs of other formats are left to image_fuzz.
#include "DecoderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (IdentifyImage(data, size) == ImageFormat::Png)
        fuzz::CheckDecoder(data, size);
    return 0;
}
