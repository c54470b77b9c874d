// libFuzzer target for the image decoder in every format (PNG, JPEG, GIF, TGA, PSD, PNM) and the
// fitting straight from its rows (DecoderCheck.h).
#include "DecoderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::CheckDecoder(data, size);
    return 0;
}
