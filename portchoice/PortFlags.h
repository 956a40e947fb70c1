// The flags both programs take to choose their port, and their values:
//   --simulate=CARD    a simulated card (see sim/CardConfig.h)
//   --port=PORT        a named port (see ParsePortAddress)
//   --trace=FILE       every port access written to FILE
// Each program keeps its own loop over its command line and its wording for
// a flag without a value; what a value means, and the refusal of a bad one,
// is the same in both and lives here.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "portio/PortAddress.h"
#include "sim/CardConfig.h"

namespace portchoice {

// A command line that cannot be used; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The card of --simulate=CARD; a bad CARD throws UsageError with the card
// parser's own message after "bad --simulate: ".
sim::CardConfig ParseSimulatedCard(const std::string& text);

// The port of --port=PORT: "/dev/parportN" (a path), an I/O base in decimal
// or hexadecimal with 0x, or "inpout" with an optional ":BASE" (0x378
// without one). Throws UsageError.
portio::PortAddress ParsePortAddress(const std::string& text);

// A simulated card and a named port cannot both drive the run: throws
// UsageError when both were given.
void CheckPortChoice(const std::optional<sim::CardConfig>& card, const std::optional<portio::PortAddress>& port);

}  // namespace portchoice
