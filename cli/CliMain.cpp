#include "cli/CliMain.h"

#include <cstring>
#include <exception>
#include <stdexcept>

#include "cartridge/RunSequence.h"
#include "cli/CardKeeping.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleReport.h"
#include "cli/Interruption.h"
#include "portchoice/PortSelection.h"
#include "portio/NamedPort.h"
#include "portio/PlatformPort.h"

namespace runner {
namespace {

int UsageFailure(std::FILE* err, const std::string& message) {
    std::fprintf(err, "flashdiag-cli: %s\n%s", message.c_str(), CliUsage);
    return ExitUsage;
}

// How a run with the port ended; reported once the port is released.
struct RunEnd {
    int status = ExitClean;
    int signal = 0;           // the signal that interrupted it, or 0
    std::string whereabouts;  // how far an interrupted run came
    std::optional<std::string> backup;
    std::string keptAdvice;  // how to write a kept card back, or ""
};

RunEnd RunWithPort(const CliOptions& options, std::FILE* out, std::FILE* err, std::FILE* progress) {
    ConsoleReport report(options, out, progress);
    // Files are refused, and a restore file read, before the port is touched.
    CardKeeping keeping(options, report);
    InterruptWatch interrupts;
    portchoice::PortSelection ports(options.card, options.tracePath,
                                   portchoice::PortSelection::TraceWriteFailure::StopRun, options.port);
    if (!portio::DriverReady()) {
        std::fputs("NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!\n", err);
        // Only a hint: the run goes on as the user asked for it.
        if (!options.card && !options.port) {
            if (const std::string hint = portio::OtherPortHint(); !hint.empty())
                std::fprintf(err, "flashdiag-cli: %s\n", hint.c_str());
        }
    }
    for (const std::string& note : ports.PortNotes()) std::fprintf(err, "flashdiag-cli: %s\n", note.c_str());
    portio::SetDirectAccess(true);
    StopOnInterrupt stopOnInterrupt(portio::ActivePortBackend());
    portio::ScopedPortBackend interruptible(stopOnInterrupt);

    RunEnd end;
    bool problem = false;
    try {
        problem = cartridge::RunDiagnostic(report, &keeping);
    } catch (const portio::TraceWriteError&) {
        // The run ended at the first trace line that could not be written;
        // CloseTrace reports it.
    } catch (const RunInterrupted& interrupted) {
        end.signal = interrupted.Signal();
        end.whereabouts = report.Whereabouts();
        if (keeping.WriteBackPending()) {
            // The card's contents are in files: put them back before
            // leaving, unless told again to stop.
            InterruptWatch::Clear();
            try {
                keeping.WriteBack(report);
            } catch (const RunInterrupted&) {
                report.AppendLine("Write-back interrupted.");
            }
        }
    }
    if (progress) std::fputs("\r\033[K", progress);
    ports.CloseTrace();
    if (report.LogWriteError() != 0)
        throw std::runtime_error(std::string("cannot write the log: ") + std::strerror(report.LogWriteError()));
    end.backup = keeping.Backup();
    end.keptAdvice = keeping.WriteBackAdvice();
    if (end.signal) return end;
    for (const std::string& path : keeping.Unwritten())
        std::fprintf(err, "flashdiag-cli: no card to read: '%s' was not written\n", path.c_str());
    end.status = problem || keeping.Failed() ? ExitProblem : ExitClean;
    return end;
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
    if (options.port && !portio::CanOpenNamedPort(options.port->kind)) {
        if (options.port->kind == portio::PortAddress::Kind::InpOut)
            return UsageFailure(err, "--port=inpout needs a Windows build: the InpOut DLL is a Windows library");
        return UsageFailure(err, portio::CanOpenNamedPort(portio::PortAddress::Kind::InpOut)
                                     ? "this build drives a named port only through the InpOut DLL: "
                                       "--port=inpout[:0xBASE]"
                                     : "--port needs the Linux port backends; this build uses the platform's port "
                                       "layer");
    }
    if (!options.card && !options.port && !portio::HasPlatformPortLayer()) {
        if (!portio::HasNamedPorts())
            return UsageFailure(err,
                                "real hardware needs a port backend for this platform, and this build has none; "
                                "use --simulate=CARD");
        options.port = portio::PortAddress::Device(portio::DefaultPortDevice);
    }
    RunEnd end;
    try {
        end = RunWithPort(options, out, err, progress);
    } catch (const std::exception& error) {
        std::fprintf(err, "flashdiag-cli: %s\n", error.what());
        return ExitUsage;
    } catch (...) {
        // Caught so that the stack unwinds and the port layer shuts down.
        std::fputs("flashdiag-cli: unexpected error\n", err);
        return ExitUsage;
    }
    if (end.signal) {
        std::fprintf(err, "flashdiag-cli: interrupted %s; the port is released\n", end.whereabouts.c_str());
        if (!end.keptAdvice.empty()) std::fprintf(err, "flashdiag-cli: the card is not as before the run. %s\n", end.keptAdvice.c_str());
        if (end.backup)
            std::fprintf(err,
                         "flashdiag-cli: the saver's contents are in '%s'; --restore-saver=%s --no-flash "
                         "--no-saver writes them back\n",
                         end.backup->c_str(), end.backup->c_str());
        return ExitInterrupted + end.signal;
    }
    return end.status;
}

}  // namespace runner
