// Command line of the console runner:
//   flashdiag-cli [--simulate=CARD | --port=PORT] [--no-size-check] [--no-flash] [--no-saver]
//                 [--read-flash=FILE] [--backup-saver=FILE] [--restore-saver=FILE] [--force]
//                 [--write-flash=FILE] [--verify-flash=FILE] [--keep[=DIR]]
//                 [--only-read] [--thorough] [--trace=FILE]
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "portchoice/PortFlags.h"
#include "portio/PortAddress.h"
#include "sim/CardConfig.h"

namespace runner {

struct CliOptions {
    std::optional<sim::CardConfig> card;
    std::optional<portio::PortAddress> port;
    std::optional<std::string> tracePath;
    // Kept before the run: the flash's contents and the saver's. Written
    // to a temporary name and renamed; an existing file only with `force`.
    std::optional<std::string> readFlashPath;
    std::optional<std::string> backupSaverPath;
    // Written back into the saver after the run, and verified.
    std::optional<std::string> restoreSaverPath;
    // Programmed into the flash after the checks; compared with the flash
    // at the end of the run.
    std::optional<std::string> writeFlashPath;
    std::optional<std::string> verifyFlashPath;
    // Dump and back up the card into this directory before the checks and
    // write both back after them ("." for the working directory).
    std::optional<std::string> keepDirectory;
    bool force = false;
    bool onlyRead = false;  // no area checks: nothing on the card changes
    bool thorough = false;  // verify every byte read, count every mismatch
    bool sizeCheck = true;
    bool flashCheck = true;
    bool saverCheck = true;
    bool help = false;
};

// A command line that cannot be used; what() says why. The same error as
// the shared port flags': one refusal for the whole command line.
using UsageError = portchoice::UsageError;

// Throws UsageError (also for a bad CARD, with the card's own message).
CliOptions ParseCliOptions(const std::vector<std::string>& args);

extern const char* const CliUsage;

}  // namespace runner
