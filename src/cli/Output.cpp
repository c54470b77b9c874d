#include "cli/Output.h"

#include <cstdio>

#include "cli/Charset.h"
#include "platform/Platform.h"

std::string ConvertFromCp932(std::string_view text, const char* toCharset) {
    std::string out;
    return ConvertText(text, "CP932", toCharset, out) ? out : std::string();
}

void InstallMessageSink() {
    // A terminal whose charset has no Japanese gets none of it: the English line that follows
    // every failure says what happened.
    platform::SetMessageSink([charset = std::string(TerminalCharset())](std::string_view text) {
        const std::string shown = ConvertFromCp932(text, charset.c_str());
        if (shown.empty())
            return;
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
        "  make PICTURE SKIN_FOLDER [--settings PROFILE.INI] [--set KEY=VALUE]... [--wsz] [--complete]\n"
        "      Fit PICTURE (PNG, JPEG, GIF, TGA, PSD, PNM or a Windows bitmap) into the player's\n"
        "      windows and write the skin's bitmaps and text files into SKIN_FOLDER, creating it\n"
        "      and its parents as needed.\n"
        "      Files of the same names in SKIN_FOLDER are replaced, all of them or, when one\n"
        "      cannot be, none.\n"
        "  settings OUT.INI [--settings PROFILE.INI] [--set KEY=VALUE]...\n"
        "      Write the settings as a profile: the defaults, or PROFILE.INI as the program\n"
        "      reads it (missing keys take their defaults, values out of range are repaired).\n"
        "  preview PICTURE OUT.BMP [--settings PROFILE.INI] [--set KEY=VALUE]... [--complete]\n"
        "      Write the 550 x 232 preview of the skin as a 24-bit bitmap file.\n"
        "  A file name \"-\" is standard input as PICTURE, standard output as OUT.BMP or OUT.INI.\n"
        "\n"
        "Options:\n"
        "  --settings PROFILE.INI  take the settings from a profile instead of the defaults\n"
        "  --set KEY=VALUE         change one setting on top of the defaults or the profile;\n"
        "                          repeatable, the last one of a key wins. KEY is a profile key\n"
        "                          (Opacity, Color_R, VisColorG05, PlFont, ...), as Section.Key\n"
        "                          where two sections have it (MARON.Use, SexyFont.Use); case\n"
        "                          does not matter. VALUE is a whole number in the field's range\n"
        "                          (flags 0-1, colours 0-255, SkinAlphaBrend 0-10, Opacity 0-100,\n"
        "                          AnalyzerMode and BlendMethod 0-2) or, for PlFont, a font name\n"
        "                          (up to 255 bytes once in code page 932; empty for none)\n"
        "  --complete              (make, preview) a complete skin: volume and balance bars with\n"
        "                          all their levels and thumbs, a position thumb over a visible\n"
        "                          track, and an equalizer with title bars, buttons, sliders and\n"
        "                          graph, as today's players show them\n",
        kProgramName);
    if (wszAvailable)
        std::printf("  --wsz                   (make) also pack this skin's files into SKIN_FOLDER.wsz\n");
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
