#include "sim/CardConfig.h"

#include <charconv>
#include <cstdio>

namespace sim {
namespace {

constexpr std::uint32_t kFlashBytes = 0x800000;
constexpr std::uint32_t kSaverBytes = 0x20000;

[[noreturn]] void Fail(std::string message) { throw CardConfigError(std::move(message)); }

std::uint32_t ParseNumber(std::string_view text, std::string_view what) {
    int base = 10;
    std::string_view digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    std::uint32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        Fail("bad " + std::string(what) + " '" + std::string(text) +
             "' (expected a decimal number or hexadecimal with 0x)");
    return value;
}

// "ADDR:VALUE" of a stuck-byte fault, with the address below `limit`.
StuckByte ParseStuckByte(std::string_view fault, std::string_view argument, std::uint32_t limit) {
    std::size_t colon = argument.find(':');
    if (colon == std::string_view::npos)
        Fail("bad fault '" + std::string(fault) + "' (expected ADDR:VALUE after '=')");
    std::uint32_t address = ParseNumber(argument.substr(0, colon), "address");
    std::uint32_t value = ParseNumber(argument.substr(colon + 1), "value");
    if (address >= limit) {
        char range[64];
        std::snprintf(range, sizeof range, " is outside 0 to 0x%X", limit - 1);
        Fail("address in '" + std::string(fault) + "'" + range);
    }
    if (value > 0xFF) Fail("value in '" + std::string(fault) + "' is not a byte (0 to 0xFF)");
    return {address, static_cast<std::uint8_t>(value)};
}

CardKind ParseKind(std::string_view text) {
    if (text == "intel64") return CardKind::Intel64;
    if (text == "sharp64") return CardKind::Sharp64;
    if (text == "sharp32") return CardKind::Sharp32;
    if (text == "none") return CardKind::None;
    Fail("unknown card kind '" + std::string(text) + "' (expected intel64, sharp64, sharp32 or none)");
}

void ParseFault(std::string_view fault, CardConfig& config) {
    std::size_t equals = fault.find('=');
    std::string_view name = fault.substr(0, equals);
    std::string_view argument = equals == std::string_view::npos ? "" : fault.substr(equals + 1);
    bool hasArgument = equals != std::string_view::npos;
    if (name == "flash-bad" && hasArgument) {
        config.flashBad.push_back(ParseStuckByte(fault, argument, kFlashBytes));
    } else if (name == "saver-bad" && hasArgument) {
        config.saverBad.push_back(ParseStuckByte(fault, argument, kSaverBytes));
    } else if (name == "no-saver" && !hasArgument) {
        config.noSaver = true;
    } else if (name == "flash-hang" && !hasArgument) {
        config.flashHang = true;
    } else {
        Fail("unknown fault '" + std::string(fault) +
             "' (expected flash-bad=ADDR:VALUE, saver-bad=ADDR:VALUE, no-saver or flash-hang)");
    }
}

}  // namespace

CardConfig ParseCardConfig(std::string_view text) {
    CardConfig config;
    std::size_t comma = text.find(',');
    config.kind = ParseKind(text.substr(0, comma));
    while (comma != std::string_view::npos) {
        text.remove_prefix(comma + 1);
        comma = text.find(',');
        std::string_view fault = text.substr(0, comma);
        if (fault.empty()) Fail("empty fault between commas");
        ParseFault(fault, config);
    }
    return config;
}

}  // namespace sim
