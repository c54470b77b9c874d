// The optional decoration of the "PLAYLIST＆MB" page: a picture named after the executable, fitted
// into the box the page keeps free for it.
#pragma once

#include <cstdint>

#include "picture/DibBuffer.h"

constexpr int32_t kDecorationWidth = 108;
constexpr int32_t kDecorationHeight = 144;

// Reads <exe folder>\<exe base name>.BMP with the program's picture reader and fits it, aspect
// ratio kept, into kDecorationWidth x kDecorationHeight. False, with `fitted` empty, when there is
// no such picture or it cannot be read: the page then simply shows none.
bool LoadDecorationPicture(DibBuffer& fitted);
