// Reading the picture the user opened: image plug-ins first, the built-in bitmap reader last.
#pragma once

#include <functional>
#include <string>

#include "picture/DibBuffer.h"

// What the plug-in step reports: whether a plug-in delivered the file and, if so, the result of
// adopting its picture (AdoptPluginPicture), which is then the result of the whole read.
struct PluginDecodeResult {
    bool delivered = false;
    int result = 0;
};

// The plug-in step: offers the file at `path` to the loaded plug-ins and, when one delivers,
// leaves the adopted 32-bit picture in the target. An empty decoder stands for no plug-ins.
using PictureDecoder = std::function<PluginDecodeResult(const std::string& path, DibBuffer& target)>;

// Fills the empty `target` with the picture as a 32-bit bottom-up DibBuffer. A plug-in that
// delivers decides the result, even a failed conversion; otherwise the file is read as a bitmap
// whatever its name. 1 on success, 0 otherwise (the target is then to be discarded). Shows the
// wait cursor throughout.
int ReadPicture(const std::string& path, DibBuffer& target, const PictureDecoder& plugins = {});
