// What a Susie host hands the plug-in to read: a file by name (the picture starting at an offset
// in it, for files with a MacBinary header) or a whole file image in memory.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "picture/susie/SusieApi.h"
#include "platform/Platform.h"

class PictureInput {
  public:
    // Returns kSusieSuccess, or the result the entry point reports.
    int Open(LPCSTR buffer, LONG_PTR length, unsigned flag);
    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

  private:
    platform::MappedFile file_;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

// IsSupported's second argument as the file's first bytes: read through the handle (whose file
// position is put back afterwards) or copied from the host's buffer. The rest of `head` is zero.
void ReadHead(ULONG_PTR handleOrHead, uint8_t (&head)[kSusieHeadBytes]);
