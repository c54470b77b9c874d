// stb_image (Debian's libstb-dev) as this program configures it: only the formats the image
// decoder gives it (GIF, TGA, PSD, PNM; JPEG and PNG have readers of their own), reading from memory or callbacks, with
// the longer failure texts. Every user of stb_image includes this header, so that the declarations match the one
// compiled implementation.
#pragma once

#define STBI_ONLY_GIF
#define STBI_ONLY_TGA
#define STBI_ONLY_PSD
#define STBI_ONLY_PNM
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_FAILURE_USERMSG

#include <stb_image.h>

#include <cstddef>
#include <cstdint>

// stb_image's own TGA header test alone (stbi_info would try every format on the bytes first).
bool StbLooksLikeTga(const uint8_t* head, size_t size);
