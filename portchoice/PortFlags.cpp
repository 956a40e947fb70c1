#include "portchoice/PortFlags.h"

#include <cstdint>
#include <string_view>

#include "sim/Number.h"

namespace portchoice {
namespace {

// An I/O base in decimal or hexadecimal with 0x, as --port gives it.
std::uint16_t ParseIoBase(const std::string& text, std::string_view digits) {
    const std::optional<std::uint32_t> number = sim::ParseDecimalOrHex(digits);
    if (!number)
        throw UsageError("bad --port '" + text +
                         "' (expected a device such as /dev/parport0, an I/O base such as 0x378, or inpout with "
                         "an optional base such as inpout:0xD010)");
    if (*number == 0 || *number > 0xFFFFu - (portio::PortSpan - 1))
        throw UsageError("bad --port '" + text + "' (an I/O base lies between 0x1 and 0xFFF8)");
    return static_cast<std::uint16_t>(*number);
}

}  // namespace

sim::CardConfig ParseSimulatedCard(const std::string& text) {
    try {
        return sim::ParseCardConfig(text);
    } catch (const sim::CardConfigError& error) {
        throw UsageError(std::string("bad --simulate: ") + error.what());
    }
}

portio::PortAddress ParsePortAddress(const std::string& text) {
    if (!text.empty() && text[0] == '/') return portio::PortAddress::Device(text);
    const std::string_view inpout = "inpout";
    if (text.compare(0, inpout.size(), inpout) == 0) {
        if (text.size() == inpout.size()) return portio::PortAddress::InpOut();
        if (text[inpout.size()] == ':')
            return portio::PortAddress::InpOut(ParseIoBase(text, std::string_view(text).substr(inpout.size() + 1)));
    }
    return portio::PortAddress::IoBase(ParseIoBase(text, text));
}

void CheckPortChoice(const std::optional<sim::CardConfig>& card, const std::optional<portio::PortAddress>& port) {
    if (card && port) throw UsageError("--simulate and --port exclude each other");
}

}  // namespace portchoice
