#include "cartridge/Patterns.h"

#include <cstdio>

namespace cartridge {

PatternBlock PatternBuffer{};

void FillFlashPattern(PatternBlock& buffer, std::uint32_t blockStart) {
    const std::uint32_t base = blockStart + (blockStart >> 16);
    for (std::uint32_t k = 0; k < PatternBytes / 2; ++k) {
        const std::uint32_t value = base + k;
        buffer[2 * k] = static_cast<std::uint8_t>(value >> 8);
        buffer[2 * k + 1] = static_cast<std::uint8_t>(value);
    }
}

void FillSaverPattern(PatternBlock& buffer, std::uint32_t blockStart) {
    for (std::uint32_t i = 0; i < PatternBytes; ++i) buffer[i] = SaverPattern(blockStart + i);
}

std::string DifferLine(const char* area, std::uint64_t mismatches, std::uint64_t compared) {
    char line[80];
    std::snprintf(line, sizeof line, "%s: %llu of %llu bytes differ", area, static_cast<unsigned long long>(mismatches),
                  static_cast<unsigned long long>(compared));
    return line;
}

std::string ErrorLine(std::uint32_t address, std::uint8_t got, std::uint8_t expected) {
    char line[40];
    std::snprintf(line, sizeof line, "err $%06X %02X : %02X", static_cast<unsigned>(address), got, expected);
    return line;
}

}  // namespace cartridge
