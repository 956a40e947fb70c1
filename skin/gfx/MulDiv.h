// a × b / c in 64-bit, rounded to the nearest integer with halves away from
// zero; -1 when c is 0 or the result does not fit in 32 bits. This is the
// platform's rounding rule for scaled coordinates, available in both builds.
#pragma once

#include <cstdint>

namespace skin {

constexpr std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return -1;
    std::int64_t product = std::int64_t{a} * b;
    bool negative = (product < 0) != (c < 0);
    std::uint64_t magnitude = product < 0 ? std::uint64_t(-product) : std::uint64_t(product);
    std::uint64_t divisor = c < 0 ? std::uint64_t(-std::int64_t{c}) : std::uint64_t(c);
    std::uint64_t q = (magnitude + divisor / 2) / divisor;
    if (q > 0x7FFFFFFFu) return -1;
    return negative ? -std::int32_t(q) : std::int32_t(q);
}

}  // namespace skin
