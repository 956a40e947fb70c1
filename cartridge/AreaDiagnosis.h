// Names the likely hardware fault behind the mismatches of a verify that
// read a whole area: a stuck data line, a stuck or shorted address line, an
// erase block that did not erase, bytes that were never programmed, or bad
// cells. Each rule tests one hypothesis against every byte read, so a
// diagnosis is given only when the readout bears it out; where none fits,
// the diagnosis says so instead of guessing.
//
// Address faults are recognised by aliasing rather than by values: a line
// that does not reach the card makes two addresses reach one cell, so both
// read the same byte. Which value a stuck line holds cannot be told from the
// readout: programming in ascending order leaves the cell they share with
// the later address's value either way.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace cartridge {

struct AreaReadout {
    std::uint32_t start = 0;  // area address of the first byte read
    std::span<const std::uint8_t> expected;
    std::span<const std::uint8_t> got;  // the same length as `expected`
    // The card's address line that carries bit 0 of an area address: 0 for
    // the flash, 1 for the saver (its byte x sits at card address 2x).
    int lineOfBit0 = 0;
    // The erase block size of a flash area; 0 for RAM.
    std::uint32_t eraseBlockBytes = 0;
};

// One or two lines per finding; empty when nothing differs.
std::vector<std::string> DiagnoseArea(const AreaReadout& readout);

}  // namespace cartridge
