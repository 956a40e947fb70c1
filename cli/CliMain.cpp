#include "cli/CliMain.h"

#include <cstring>
#include <exception>
#include <stdexcept>

#include "cartridge/RunSequence.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleReport.h"
#include "cli/PortSelection.h"
#include "portio/PlatformPort.h"

namespace runner {
namespace {
int UsageFailure(std::FILE* err, const std::string& message) {
    std::fprintf(err, "flashdiag-cli: %s\n%s", message.c_str(), CliUsage);
    return ExitUsage;
}
}  // namespace

int RunCli(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* progress) {
    CliOptions options;
    try {
        options = ParseCliOptions(args);
    } catch (const UsageError& error) {
        return UsageFailure(err, error.what());
    }
    if (options.help) {
        std::fputs(CliUsage, out);
        return ExitClean;
    }
    if (!options.card && !portio::HasPlatformPortLayer())
        return UsageFailure(err,
                            "real hardware needs a port backend for this platform, and this build has none; "
                            "use --simulate=CARD");
    try {
        PortSelection ports(options.card, options.tracePath, PortSelection::TraceWriteFailure::StopRun);
        if (!portio::DriverReady())
            std::fputs("NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!\n", err);
        portio::SetDirectAccess(true);

        ConsoleReport report(options, out, progress);
        bool problem = false;
        try {
            problem = cartridge::RunDiagnostic(report);
        } catch (const portio::TraceWriteError&) {
            // The run ended at the first trace line that could not be
            // written; CloseTrace reports it.
        }
        if (progress) std::fputs("\r\033[K", progress);
        ports.CloseTrace();
        if (report.LogWriteError() != 0)
            throw std::runtime_error(std::string("cannot write the log: ") + std::strerror(report.LogWriteError()));
        return problem ? ExitProblem : ExitClean;
    } catch (const std::exception& error) {
        std::fprintf(err, "flashdiag-cli: %s\n", error.what());
        return ExitUsage;
    } catch (...) {
        // Caught so that the stack unwinds and the port layer shuts down.
        std::fputs("flashdiag-cli: unexpected error\n", err);
        return ExitUsage;
    }
}

}  // namespace runner
