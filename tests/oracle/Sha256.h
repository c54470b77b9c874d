// SHA-256 of a byte string as 64 lower-case hexadecimal digits, for the golden manifests.
#pragma once

#include <string>

namespace oracle {
std::string Sha256Hex(const std::string& data);
}
