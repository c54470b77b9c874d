// The inputs the oracle is run over: fitted pictures of telling sizes and colour profiles that hit
// the marker, mask and key colours, and the comparison helpers that say where bytes differ.
#pragma once

#include <string>
#include <vector>

#include "Raster.h"
#include "picture/DibBuffer.h"
#include "settings/SkinSettings.h"

namespace oracle {

struct PictureCase {
    const char* name;
    DibBuffer fit232;
    DibBuffer fit116;
};
// Built once: box-sized, odd margins both ways, 1 x N, N x 1, 274 wide, 115 high, small.
const std::vector<PictureCase>& Pictures();

struct ColourProfile {
    const char* name;
    SkinSettings settings;  // flags and opacity are set per case on a copy
};
const std::vector<ColourProfile>& ColourProfiles();

// Every opacity value the matrix covers: 0..10 and the unguarded -3, 11, 25.
const std::vector<int32_t>& Opacities();

// The flags and opacity of a case, for test traces.
std::string Describe(const SkinSettings& s);

// Every opacity with every colour profile, cycling through both stackings and the window alone.
struct OpacityCase {
    const char* profileName;
    SkinSettings settings;
};
std::vector<OpacityCase> OpacityCases();

// Empty when equal, else the count of differing bytes and where the first one is. `stride` and
// `header` let a difference be named as a pixel (x, stored row, channel).
std::string DescribeDifference(const std::string& expected,
                               const std::string& actual,
                               size_t header,
                               int32_t stride,
                               int32_t pixelBytes);
// A whole raster against a buffer of the same stride; channels 3 or 4 bytes of each pixel.
std::string DescribeDifference(const Raster& expected, const DibBuffer& actual, int channels);

}  // namespace oracle
