// The file name "-": standard input for a picture, standard output for a preview or a profile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr char kStandardStream[] = "-";

// Reads all of standard input, in binary; false with `why` when it fails or holds more than
// maxBytes (it is never read further than that).
bool ReadStandardInput(std::string& out, uint64_t maxBytes, std::string& why);

// Writes the bytes to standard output, in binary, and flushes it; false with `why`.
bool WriteStandardOutput(const void* data, size_t size, std::string& why);
