// The one compiled copy of stb_image. It is not our code: the build compiles it without warnings.
//
// Its blocks come zero-filled: some of its readers leave part of a block unwritten when the data
// runs out, and what a damaged file gives must not depend on what the heap held before. No block
// is larger than the largest a picture within the size bound needs (a 16-bit PNM or PSD at 8 bytes a
// pixel, with room to spare), so a damaged header cannot make it take more.
#include <climits>
#include <cstdlib>

#include "picture/ImageDecoder.h"

namespace {

constexpr size_t kLargestBlock =
    size_t(8 * kMaxImagePixels + (uint64_t(1) << 25) < SIZE_MAX ? 8 * kMaxImagePixels + (uint64_t(1) << 25) : SIZE_MAX);

void* AllocateZeroed(size_t bytes) {
    return bytes <= kLargestBlock ? std::calloc(1, bytes) : nullptr;
}

void* Reallocate(void* block, size_t bytes) {
    return bytes <= kLargestBlock ? std::realloc(block, bytes) : nullptr;
}

}  // namespace

#define STBI_MALLOC(bytes) AllocateZeroed(bytes)
#define STBI_REALLOC(block, bytes) Reallocate(block, bytes)
#define STBI_FREE(block) std::free(block)
#define STB_IMAGE_IMPLEMENTATION
#include "picture/StbImage.h"

bool StbLooksLikeTga(const uint8_t* head, size_t size) {
    stbi__context context;
    stbi__start_mem(&context, head, static_cast<int>(size < INT_MAX ? size : INT_MAX));
    return stbi__tga_test(&context) != 0;
}
