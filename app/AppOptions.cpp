#include "app/AppOptions.h"

#include <string_view>

#include "portchoice/PortFlags.h"

namespace app {

const char* const AppUsage =
    "usage: flashdiag [--simulate=CARD | --port=inpout[:0xBASE]] [--trace=FILE] [--autorun] [--exit-after-run]\n"
    "                 [--screenshot=FILE.bmp] [--log=FILE]\n";

namespace {
std::optional<std::string> Value(std::string_view arg, std::string_view flag) {
    if (arg.substr(0, flag.size()) != flag) return std::nullopt;
    std::string value(arg.substr(flag.size()));
    if (value.empty()) throw AppUsageError(std::string(flag.substr(0, flag.size() - 1)) + " needs a value");
    return value;
}

// Runs the shared flags' `parse`, their refusals as this program's.
template <typename Parse>
auto Shared(Parse parse) {
    try {
        return parse();
    } catch (const portchoice::UsageError& e) {
        throw AppUsageError(e.what());
    }
}
}  // namespace

AppOptions ParseAppOptions(const std::vector<std::string>& args) {
    AppOptions options;
    for (const std::string& arg : args) {
        if (auto v = Value(arg, "--simulate=")) {
            options.card = Shared([&] { return portchoice::ParseSimulatedCard(*v); });
        } else if (auto p = Value(arg, "--port=")) {
            options.port = Shared([&] { return portchoice::ParsePortAddress(*p); });
            if (options.port->kind != portio::PortAddress::Kind::InpOut)
                throw AppUsageError("the window drives a named port only through the InpOut DLL: --port=inpout[:0xBASE]");
        } else if (auto t = Value(arg, "--trace=")) {
            options.tracePath = *t;
        } else if (auto s = Value(arg, "--screenshot=")) {
            options.screenshotPath = *s;
        } else if (auto l = Value(arg, "--log=")) {
            options.logPath = *l;
        } else if (arg == "--autorun") {
            options.autorun = true;
        } else if (arg == "--exit-after-run") {
            options.exitAfterRun = true;
        } else {
            throw AppUsageError("unknown argument '" + arg + "'");
        }
    }
    Shared([&] { portchoice::CheckPortChoice(options.card, options.port); });
    if (!options.autorun && (options.exitAfterRun || options.screenshotPath || options.logPath)) {
        throw AppUsageError("--exit-after-run, --screenshot and --log act after a run: they need --autorun");
    }
    return options;
}

}  // namespace app
