// The size every built-in template is drawn to. The composition and the writer check a loaded
// template against it before cutting pieces from it, so a template of another size is refused
// instead of being read out of bounds.
#pragma once

#include <cstdint>

#include "compose/TemplateStore.h"

struct TemplateSize {
    int32_t width;
    int32_t height;
};

// {0, 0} for an id the program does not carry.
TemplateSize ExpectedTemplateSize(int id);

// Not empty and exactly of the expected size for its id.
bool HasExpectedSize(const TemplateBitmap& bitmap, int id);
