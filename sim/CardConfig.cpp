#include "sim/CardConfig.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "portio/AdapterWire.h"
#include "sim/Number.h"

namespace sim {
namespace {

using namespace portio::wire;

// The card kinds, in the order of the "unknown card kind" message.
constexpr CardKindInfo kKinds[] = {
    {"intel64", CardKind::Intel64, 0, IntelPartBytes, IntelEraseBlockBytes, IntelCardId, 1},
    {"sharp64", CardKind::Sharp64, 0, SharpPartBytes, SharpEraseBlockBytes, SharpCardId, 4},
    {"sharp32", CardKind::Sharp32, 0, SharpPartBytes, SharpEraseBlockBytes, SharpCardId, 2},
    {"none", CardKind::None, 0, 0, 0, 0, 0},
};

[[noreturn]] void Fail(std::string message) { throw CardConfigError(std::move(message)); }

// The size and the address range of an area: "4 MB: 0 to 0x3FFFFF".
std::string Extent(std::uint32_t bytes) {
    char text[48];
    if (bytes % 0x100000 == 0)
        std::snprintf(text, sizeof text, "%u MB: 0 to 0x%X", static_cast<unsigned>(bytes >> 20), bytes - 1);
    else
        std::snprintf(text, sizeof text, "%u KB: 0 to 0x%X", static_cast<unsigned>(bytes >> 10), bytes - 1);
    return text;
}

std::uint32_t ParseNumber(std::string_view text, std::string_view what) {
    const std::optional<std::uint32_t> value = ParseDecimalOrHex(text);
    if (!value)
        Fail("bad " + std::string(what) + " '" + std::string(text) +
             "' (expected a decimal number or hexadecimal with 0x)");
    return *value;
}

// "ADDR:VALUE" of a stuck-byte fault, with the address inside an area of
// `limit` bytes; `area` names that area in the message.
StuckByte ParseStuckByte(std::string_view fault, std::string_view argument, std::uint32_t limit,
                         const std::string& area) {
    std::size_t colon = argument.find(':');
    if (colon == std::string_view::npos)
        Fail("bad fault '" + std::string(fault) + "' (expected ADDR:VALUE after '=')");
    std::uint32_t address = ParseNumber(argument.substr(0, colon), "address");
    std::uint32_t value = ParseNumber(argument.substr(colon + 1), "value");
    if (address >= limit)
        Fail("address in '" + std::string(fault) + "' is outside " + area + " (" + Extent(limit) + ")");
    if (value > 0xFF) Fail("value in '" + std::string(fault) + "' is not a byte (0 to 0xFF)");
    return {address, static_cast<std::uint8_t>(value)};
}

const CardKindInfo& ParseKind(std::string_view text) {
    for (const CardKindInfo& info : kKinds)
        if (text == info.name) return info;
    Fail("unknown card kind '" + std::string(text) + "' (expected intel64, sharp64, sharp32 or none)");
}

// "ADDR" of a fault that names one flash address.
std::uint32_t ParseFlashAddress(std::string_view fault, std::string_view argument, const CardKindInfo& card) {
    const std::uint32_t address = ParseNumber(argument, "address");
    if (address >= card.FlashBytes())
        Fail("address in '" + std::string(fault) + "' is outside the flash of " + std::string(card.name) + " (" +
             Extent(card.FlashBytes()) + ")");
    return address;
}

// A line number below `lines`; `bus` names the bus in the message.
int ParseLine(std::string_view fault, std::string_view text, int lines, const std::string& bus) {
    const std::uint32_t line = ParseNumber(text, "line");
    if (line >= static_cast<std::uint32_t>(lines))
        Fail("line in '" + std::string(fault) + "' is not on " + bus + " (0 to " + std::to_string(lines - 1) + ")");
    return static_cast<int>(line);
}

// "LINE:0|1" of a stuck-line fault.
StuckLine ParseStuckLine(std::string_view fault, std::string_view argument, int lines, const std::string& bus) {
    std::size_t colon = argument.find(':');
    if (colon == std::string_view::npos) Fail("bad fault '" + std::string(fault) + "' (expected LINE:0 or LINE:1 after '=')");
    const int line = ParseLine(fault, argument.substr(0, colon), lines, bus);
    const std::uint32_t value = ParseNumber(argument.substr(colon + 1), "value");
    if (value > 1) Fail("value in '" + std::string(fault) + "' is not 0 or 1");
    return {line, static_cast<int>(value)};
}

// The card's address lines a fault can act on: those below the flash's size
// and the saver's A1..A17.
int AddressLines(const CardKindInfo& card) {
    int lines = 0;
    while ((std::uint32_t{1} << lines) < card.FlashBytes()) ++lines;
    return std::max(lines, 18);
}

std::string AddressBus(const CardKindInfo& card) { return "the address bus of " + std::string(card.name); }

std::string ImagePath(std::string_view fault, std::string_view argument) {
    if (argument.empty()) Fail("fault '" + std::string(fault) + "' needs a file name after '='");
    return std::string(argument);
}

// The faults by name: whether each takes an argument, and what it does.
struct FaultInfo {
    std::string_view name;
    bool takesArgument;
    void (*apply)(std::string_view fault, std::string_view argument, const CardKindInfo& card, CardConfig& config);
};
constexpr FaultInfo kFaults[] = {
    {"flash-bad", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo& card, CardConfig& config) {
         config.flashBad.push_back(
             ParseStuckByte(fault, argument, card.FlashBytes(), "the flash of " + std::string(card.name)));
     }},
    {"saver-bad", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo&, CardConfig& config) {
         config.saverBad.push_back(ParseStuckByte(fault, argument, SaverBytes, "the saver"));
     }},
    {"no-saver", false,
     [](std::string_view, std::string_view, const CardKindInfo&, CardConfig& config) { config.noSaver = true; }},
    {"flash-hang", false,
     [](std::string_view, std::string_view, const CardKindInfo&, CardConfig& config) { config.flashHang = true; }},
    {"flash-weak", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo& card, CardConfig& config) {
         config.flashWeak.push_back(ParseFlashAddress(fault, argument, card));
     }},
    {"flash-locked", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo& card, CardConfig& config) {
         config.flashLocked.push_back(ParseFlashAddress(fault, argument, card));
     }},
    {"erase-fail", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo& card, CardConfig& config) {
         config.eraseFail.push_back(ParseFlashAddress(fault, argument, card));
     }},
    {"vpp-low", false,
     [](std::string_view, std::string_view, const CardKindInfo&, CardConfig& config) { config.vppLow = true; }},
    {"data-stuck", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo&, CardConfig& config) {
         config.dataStuck.push_back(ParseStuckLine(fault, argument, 8, "the card's data bus"));
     }},
    {"addr-stuck", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo& card, CardConfig& config) {
         config.addressStuck.push_back(ParseStuckLine(fault, argument, AddressLines(card), AddressBus(card)));
     }},
    {"addr-short", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo& card, CardConfig& config) {
         std::size_t colon = argument.find(':');
         if (colon == std::string_view::npos) Fail("bad fault '" + std::string(fault) + "' (expected A:B after '=')");
         const int lines = AddressLines(card);
         const int a = ParseLine(fault, argument.substr(0, colon), lines, AddressBus(card));
         const int b = ParseLine(fault, argument.substr(colon + 1), lines, AddressBus(card));
         if (a == b) Fail("fault '" + std::string(fault) + "' names one line twice");
         config.addressShorts.push_back({a, b});
     }},
    {"flash-image", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo&, CardConfig& config) {
         config.flashImagePath = ImagePath(fault, argument);
     }},
    {"saver-image", true,
     [](std::string_view fault, std::string_view argument, const CardKindInfo&, CardConfig& config) {
         config.saverImagePath = ImagePath(fault, argument);
     }},
};

void ParseFault(std::string_view fault, const CardKindInfo& card, CardConfig& config) {
    std::size_t equals = fault.find('=');
    std::string_view name = fault.substr(0, equals);
    std::string_view argument = equals == std::string_view::npos ? "" : fault.substr(equals + 1);
    bool hasArgument = equals != std::string_view::npos;
    const FaultInfo* info = nullptr;
    for (const FaultInfo& candidate : kFaults)
        if (candidate.name == name && candidate.takesArgument == hasArgument) info = &candidate;
    if (!info)
        Fail("unknown fault '" + std::string(fault) +
             "' (expected flash-bad=ADDR:VALUE, saver-bad=ADDR:VALUE, no-saver, flash-hang, flash-weak=ADDR, "
             "flash-locked=ADDR, erase-fail=ADDR, vpp-low, data-stuck=BIT:0|1, addr-stuck=LINE:0|1, addr-short=A:B, "
             "flash-image=FILE or saver-image=FILE)");
    if (card.kind == CardKind::None)
        Fail("fault '" + std::string(fault) + "' can never act: card kind 'none' has no flash and no saver");
    info->apply(fault, argument, card, config);
}

}  // namespace

const CardKindInfo& KindInfo(CardKind kind) {
    for (const CardKindInfo& info : kKinds)
        if (info.kind == kind) return info;
    return kKinds[std::size(kKinds) - 1];  // not reached: every kind has a row
}

CardConfig ParseCardConfig(std::string_view text) {
    CardConfig config;
    std::size_t comma = text.find(',');
    const CardKindInfo& card = ParseKind(text.substr(0, comma));
    config.kind = card.kind;
    while (comma != std::string_view::npos) {
        text.remove_prefix(comma + 1);
        comma = text.find(',');
        std::string_view fault = text.substr(0, comma);
        if (fault.empty()) Fail("empty fault between commas");
        ParseFault(fault, card, config);
    }
    return config;
}

}  // namespace sim
