// tolvarin: the command line of the skin maker. Parses the words, installs the message sink for
// the core's texts and runs one command.
#include <string>
#include <vector>

#include "cli/Charset.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"

namespace {

#ifdef TOLVARIN_HAVE_WSZ
constexpr bool kWszAvailable = true;
#else
constexpr bool kWszAvailable = false;
#endif

}  // namespace

int main(int argc, char** argv) {
    InstallMessageSink();
    const std::vector<std::string> words(argv + 1, argv + argc);
    CommandLine line;
    std::string offending;
    const UsageError error = ParseCommandLine(words, {kWszAvailable, TerminalCharset()}, line, offending);
    if (error != UsageError::None) {
        std::string text = ToString(error);
        if (!offending.empty())
            text += ": " + offending;
        ReportUsageError(text);
        return kExitUsage;
    }
    switch (line.command) {
        case Command::Help:
            PrintHelp(kWszAvailable);
            return kExitDone;
        case Command::Version:
            PrintVersion();
            return kExitDone;
        case Command::Make:
            return RunMake(line);
        case Command::Settings:
            return RunSettings(line);
        case Command::Preview:
            return RunPreview(line);
    }
    return kExitUsage;
}
