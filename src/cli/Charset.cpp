#include "cli/Charset.h"

#ifndef _WIN32
#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>
#endif

const char* TerminalCharset() {
#ifdef _WIN32
    return "CP932";
#else
    static const char* const charset = [] {
        std::setlocale(LC_CTYPE, "");
        return nl_langinfo(CODESET);
    }();
    return charset;
#endif
}

bool ConvertText(std::string_view text, const char* fromCharset, const char* toCharset, std::string& out) {
#ifdef _WIN32
    (void)fromCharset;
    (void)toCharset;
    out = text;
    return true;
#else
    iconv_t converter = iconv_open(toCharset, fromCharset);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;
    out.clear();
    char buffer[256];
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    bool ok = true;
    // A final call with no input flushes any shift state the target charset keeps.
    for (bool flushing = false;;) {
        char* target = buffer;
        size_t targetLeft = sizeof buffer;
        const size_t result = flushing ? iconv(converter, nullptr, nullptr, &target, &targetLeft)
                                       : iconv(converter, &in, &inLeft, &target, &targetLeft);
        out.append(buffer, static_cast<size_t>(target - buffer));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
        if (result != static_cast<size_t>(-1)) {
            if (flushing)
                break;
            flushing = true;
        }
    }
    iconv_close(converter);
    return ok;
#endif
}
