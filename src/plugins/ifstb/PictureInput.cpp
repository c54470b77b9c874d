#include "plugins/ifstb/PictureInput.h"

#include <cstring>
#include <string>

int PictureInput::Open(LPCSTR buffer, LONG_PTR length, unsigned flag) {
    if (!buffer || length < 0)
        return kSusieInternalError;
    switch (flag & kSusieInputMask) {
        case kSusieFromMemory:
            data_ = reinterpret_cast<const uint8_t*>(buffer);
            size_ = static_cast<size_t>(length);
            return kSusieSuccess;
        case kSusieFromFile: {
            file_ = platform::MappedFile(buffer);
            const size_t offset = static_cast<size_t>(length);
            if (!file_.IsOpen())
                return platform::PathExists(buffer) ? kSusieUnknownFormat : kSusieFileReadError;  // empty, or absent
            if (offset > file_.Size())
                return kSusieUnknownFormat;
            data_ = file_.Data() + offset;
            size_ = file_.Size() - offset;
            return kSusieSuccess;
        }
        default:
            return kSusieNotImplemented;
    }
}

void ReadHead(ULONG_PTR handleOrHead, uint8_t (&head)[kSusieHeadBytes]) {
    std::memset(head, 0, sizeof head);
    if (handleOrHead & ~ULONG_PTR(0xFFFF)) {
        std::memcpy(head, reinterpret_cast<const void*>(handleOrHead), sizeof head);
        return;
    }
    const HANDLE file = reinterpret_cast<HANDLE>(handleOrHead);
    DWORD read = 0;
    if (::ReadFile(file, head, sizeof head, &read, nullptr) && read > 0)
        ::SetFilePointer(file, -static_cast<LONG>(read), nullptr, FILE_CURRENT);
}
