// Numbers as command lines and CARD texts give them: decimal, or
// hexadecimal with a 0x (or 0X) prefix. Used by the simulator's CARD parser
// and by the programs' --port; each caller words its own refusal.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sim {

// The value of `text`, or nullopt when it is not such a number as a whole
// (empty, a sign, other characters, or beyond 32 bits).
std::optional<std::uint32_t> ParseDecimalOrHex(std::string_view text);

}  // namespace sim
