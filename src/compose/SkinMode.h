// Which skin is made from the picture. The classic skin is what the program has always written:
// short VOLUME, BALANCE and EQMAIN files, so that players show the bare picture where the volume,
// balance and equalizer controls lie. A complete skin draws them, with every frame and thumb that
// today's players look for. The mode belongs to the program, not to a settings profile.
#pragma once

#include <cstdint>

enum class SkinMode : uint8_t { Classic, Complete };
