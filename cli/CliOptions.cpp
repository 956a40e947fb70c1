#include "cli/CliOptions.h"

namespace runner {

const char* const CliUsage =
    "usage: flashdiag-cli [--simulate=CARD] [--no-size-check] [--no-flash] [--no-saver] [--trace=FILE]\n"
    "  CARD is KIND[,FAULT]...: KIND intel64, sharp64, sharp32 or none; FAULT flash-bad=ADDR:VALUE,\n"
    "  saver-bad=ADDR:VALUE, no-saver or flash-hang. --trace=- writes the trace to stdout.\n";

namespace {
// The value of "--name=value", or nullopt when `arg` is not that option.
std::optional<std::string> OptionValue(const std::string& arg, const std::string& name) {
    const std::string prefix = name + "=";
    if (arg.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    return arg.substr(prefix.size());
}
}  // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& args) {
    CliOptions options;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--no-size-check") {
            options.sizeCheck = false;
        } else if (arg == "--no-flash") {
            options.flashCheck = false;
        } else if (arg == "--no-saver") {
            options.saverCheck = false;
        } else if (auto card = OptionValue(arg, "--simulate")) {
            try {
                options.card = sim::ParseCardConfig(*card);
            } catch (const sim::CardConfigError& error) {
                throw UsageError(std::string("bad --simulate: ") + error.what());
            }
        } else if (auto path = OptionValue(arg, "--trace")) {
            if (path->empty()) throw UsageError("--trace needs a file name (or - for stdout)");
            options.tracePath = *path;
        } else {
            throw UsageError("unknown argument '" + arg + "'");
        }
    }
    return options;
}

}  // namespace runner
