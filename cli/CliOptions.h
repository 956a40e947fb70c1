// Command line of the console runner:
//   flashdiag-cli [--simulate=CARD] [--no-size-check] [--no-flash] [--no-saver] [--trace=FILE]
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/CardConfig.h"

namespace runner {

struct CliOptions {
    std::optional<sim::CardConfig> card;
    std::optional<std::string> tracePath;
    bool sizeCheck = true;
    bool flashCheck = true;
    bool saverCheck = true;
    bool help = false;
};

// A command line that cannot be used; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws UsageError (also for a bad CARD, with the card's own message).
CliOptions ParseCliOptions(const std::vector<std::string>& args);

extern const char* const CliUsage;

}  // namespace runner
