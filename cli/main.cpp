// flashdiag-cli: the diagnostic run without a window. Prints the log lines
// on stdout. Exit status: 0 when the run logged no problem, 1 when it
// logged one (no card, a mismatch, a part that never became ready), 2 for a
// usage error.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "cartridge/RunSequence.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleReport.h"
#include "cli/PortSelection.h"
#include "portio/PlatformPort.h"

namespace {
constexpr int kExitProblem = 1;
constexpr int kExitUsage = 2;

int UsageFailure(const std::string& message) {
    std::fprintf(stderr, "flashdiag-cli: %s\n%s", message.c_str(), runner::CliUsage);
    return kExitUsage;
}
}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes on both platforms: lines end in "\n" only.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    runner::CliOptions options;
    try {
        options = runner::ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const runner::UsageError& error) {
        return UsageFailure(error.what());
    }
    if (options.help) {
        std::fputs(runner::CliUsage, stdout);
        return 0;
    }
    if (!options.card && !portio::HasPlatformPortLayer())
        return UsageFailure(
            "real hardware needs a port backend for this platform, and this build has none; "
            "use --simulate=CARD");

    try {
        runner::PortSelection ports(options.card, options.tracePath);
        if (!portio::DriverReady())
            std::fputs("NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!\n", stderr);
        portio::SetDirectAccess(true);

        std::FILE* progress = isatty(fileno(stderr)) ? stderr : nullptr;
        runner::ConsoleReport report(options, stdout, progress);
        bool problem = cartridge::RunDiagnostic(report);
        if (progress) std::fputs("\r\033[K", progress);
        return problem ? kExitProblem : 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "flashdiag-cli: %s\n", error.what());
        return kExitUsage;
    }
}
