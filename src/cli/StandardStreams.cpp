#include "cli/StandardStreams.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Windows would turn every line feed of a bitmap into a carriage return and a line feed.
void MakeBinary(FILE* stream) {
#ifdef _WIN32
    _setmode(_fileno(stream), _O_BINARY);
#else
    (void)stream;
#endif
}

}  // namespace

bool ReadStandardInput(std::string& out, uint64_t maxBytes, std::string& why) {
    MakeBinary(stdin);
    out.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        if (uint64_t(out.size()) + n > maxBytes) {
            why = "it holds more than the " + std::to_string(maxBytes) + " bytes of any picture this program reads";
            return false;
        }
        out.append(buffer, n);
    }
    if (std::ferror(stdin)) {
        why = std::strerror(errno);
        return false;
    }
    return true;
}

bool WriteStandardOutput(const void* data, size_t size, std::string& why) {
    MakeBinary(stdout);
    if (std::fwrite(data, 1, size, stdout) == size && std::fflush(stdout) == 0)
        return true;
    why = std::strerror(errno);
    return false;
}
