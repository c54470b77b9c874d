// The inputs the oracle is run over: fitted pictures of telling sizes and colour profiles that hit
// the marker, mask and key colours, and the comparison helpers that say where bytes differ.
#pragma once

#include <functional>
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

// One run of a suite: the picture, the settings and the trace that names them.
struct OracleCase {
    const PictureCase* picture;
    std::string trace;
    SkinSettings settings;
};

// Every combination of the three window-shaping flags for every picture, with the playlist and
// browser switches rotating so that all 32 flag combinations occur. Case n takes profile
// n + profileShift and opacity n * opacityStep, so that two suites meet different pairings.
std::vector<OracleCase> FlagCases(size_t profileShift, size_t opacityStep);

// Every opacity with every colour profile over one picture, cycling through both stackings and the
// window alone.
std::vector<OracleCase> OpacityCases(const PictureCase& picture);

// Flags other than 0 and 1 over one picture, the plug-in switches among them: a loaded profile can
// hold any integer.
std::vector<OracleCase> FlagValueCases(const PictureCase& picture);

// Runs check on every case, each under its trace.
void ForEachCase(const std::vector<OracleCase>& cases,
                 const std::function<void(const SkinSettings&, const PictureCase&)>& check);

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
