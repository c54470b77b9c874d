#include "cli/Output.h"

#include <cstdio>

#include "platform/Platform.h"

#ifndef _WIN32
#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>
#endif

std::string ConvertFromCp932(std::string_view text, const char* toCharset) {
#ifdef _WIN32
    (void)toCharset;
    return std::string(text);
#else
    iconv_t converter = iconv_open(toCharset, "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::string(text);
    std::string out;
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
    return ok ? out : std::string(text);
#endif
}

void InstallMessageSink() {
#ifdef _WIN32
    const char* charset = "CP932";
#else
    std::setlocale(LC_CTYPE, "");
    const char* charset = nl_langinfo(CODESET);
#endif
    platform::SetMessageSink([charset = std::string(charset)](std::string_view text) {
        const std::string shown = ConvertFromCp932(text, charset.c_str());
        std::fprintf(stderr, "%s: %.*s\n", kProgramName, static_cast<int>(shown.size()), shown.data());
    });
}

void ReportError(const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", kProgramName, text.c_str());
}

void ReportUsageError(const std::string& text) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgramName, text.c_str(), kProgramName);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

void PrintHelp(bool wszAvailable) {
    std::printf(
        "Usage: %s COMMAND FILE... [OPTION...]\n"
        "Turns one picture into a complete Winamp 2.x skin.\n"
        "\n"
        "Commands:\n"
        "  make PICTURE SKIN_FOLDER [--settings PROFILE.INI] [--wsz]\n"
        "      Fit PICTURE (a Windows bitmap) into the player's windows and write the skin's\n"
        "      bitmaps and text files into SKIN_FOLDER, creating it and its parents as needed.\n"
        "      Files of the same names in SKIN_FOLDER are replaced.\n"
        "  settings OUT.INI [--settings PROFILE.INI]\n"
        "      Write the settings as a profile: the defaults, or PROFILE.INI as the program\n"
        "      reads it (missing keys take their defaults, values out of range are repaired).\n"
        "  preview PICTURE OUT.BMP [--settings PROFILE.INI]\n"
        "      Write the 550 x 232 preview of the skin as a 24-bit bitmap file.\n"
        "\n"
        "Options:\n"
        "  --settings PROFILE.INI  take the settings from a profile instead of the defaults\n",
        kProgramName);
    if (wszAvailable)
        std::printf("  --wsz                   (make) also pack the skin folder's files into SKIN_FOLDER.wsz\n");
    else
        std::printf("  --wsz                   not available in this build (no archive writer)\n");
    std::printf(
        "  -h, --help              show this help and exit\n"
        "  --version               show the version and exit\n"
        "  --                      every later word is a file name\n"
        "\n"
        "Exit status: 0 done, 1 a file could not be read or written, 2 bad usage.\n");
}

void PrintVersion() {
    std::printf("%s 2.0\n", kProgramName);
}
