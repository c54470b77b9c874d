// tolvarin: the command line of the skin maker. Parses the words, installs the message sink for
// the core's texts and runs one command.
#include <exception>
#include <new>
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

int RunCommand(const CommandLine& line) {
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

int Run(int argc, char** argv) {
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
    return RunCommand(line);
}

}  // namespace

int main(int argc, char** argv) {
    // The core reports its failures as results; what reaches here is memory refused inside the
    // standard library (or a fault of ours): a message and exit 1, never an abort.
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        ReportError("out of memory");
    } catch (const std::exception& error) {
        ReportError(std::string("internal error: ") + error.what());
    }
    return kExitFailure;
}
