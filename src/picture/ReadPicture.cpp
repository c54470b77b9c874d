#include "picture/ReadPicture.h"

#include "picture/BmpReader.h"
#include "platform/Platform.h"

int ReadPicture(const std::string& path, DibBuffer& target, const PictureDecoder& plugins) {
    const platform::WaitCursor wait;
    if (plugins) {
        const PluginDecodeResult decoded = plugins(path, target);
        if (decoded.delivered)
            return decoded.result;
    }
    return ReadBmpFile(path, target);
}
