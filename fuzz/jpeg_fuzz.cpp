// libFuzzer target for the JPEG reader alone (libjpeg-turbo: skipped iMCU rows, rows kept without colour conversion),
// whole and fitted from its sampled rows (DecoderCheck.h). Inputs of other formats are left to image_fuzz.
#include "DecoderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (IdentifyImage(data, size) == ImageFormat::Jpeg)
        fuzz::CheckDecoder(data, size);
    return 0;
}
