// The simulated card chosen on the command line: KIND[,FAULT]...
//
//   KIND   intel64 | sharp64 | sharp32 | none
//   FAULT  flash-bad=ADDR:VALUE   a flash byte that always reads VALUE
//          saver-bad=ADDR:VALUE   a saver byte (saver address) that always reads VALUE
//          no-saver               no saver RAM: saver reads give 0xFF
//          flash-hang             the first flash part never becomes ready again
//                                 after its first erase or program
//          flash-weak=ADDR        a flash cell that will not program
//          flash-locked=ADDR      the erase block holding ADDR is locked
//          erase-fail=ADDR        the erase of the block holding ADDR fails
//          vpp-low                the programming voltage is too low: every
//                                 program and erase fails
//          data-stuck=BIT:0|1     data line D0..D7 between adapter and card
//                                 holds one value, for every byte written and
//                                 read, commands to the flash included
//          addr-stuck=LINE:0|1    card address line A0..A22 holds one value
//          addr-short=A:B         address lines A and B shorted: both carry 0
//                                 where either is driven low
//          flash-image=FILE       the flash holds FILE's bytes from address 0
//                                 before the run (the rest erased)
//          saver-image=FILE       the saver holds FILE's bytes from saver
//                                 address 0 (the rest 0x00)
// The card's address lines are those of its own bus: flash byte address bit
// n is line An, and saver byte x sits at card address 2x, so saver address
// bit n is line A(n+1). A line must reach the flash (below its size) or the
// saver (A1..A17). FILE ends at the next comma; an image larger than its
// area is refused when the card is built.
// Numbers are hexadecimal with 0x, or decimal. A fault must be able to act
// on the kind of card: addresses lie inside its flash (8 MB for intel64 and
// sharp64, 4 MB for sharp32) or the 128 KB saver, and `none` takes no fault.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

enum class CardKind { Intel64, Sharp64, Sharp32, None };

// What a kind of card carries: `partCount` flash parts, all alike (size,
// erase block, identifier), one after another from `base`. Faults are
// checked against it and the simulator builds its parts from it.
struct CardKindInfo {
    std::string_view name;  // as a CARD text names it
    CardKind kind;
    std::uint32_t base;
    std::uint32_t partBytes;
    std::uint32_t eraseBlockBytes;
    std::uint16_t id;
    std::uint32_t partCount;

    constexpr std::uint32_t FlashBytes() const { return partBytes * partCount; }
};

const CardKindInfo& KindInfo(CardKind kind);

struct StuckByte {
    std::uint32_t address;
    std::uint8_t value;
};

struct StuckLine {
    int line;
    int value;  // 0 or 1
};

struct LinePair {
    int a, b;
};

struct CardConfig {
    CardKind kind = CardKind::Intel64;
    std::vector<StuckByte> flashBad;  // flash byte addresses
    std::vector<StuckByte> saverBad;  // saver byte addresses
    bool noSaver = false;
    bool flashHang = false;
    std::vector<std::uint32_t> flashWeak;    // cells that will not program
    std::vector<std::uint32_t> flashLocked;  // an address in each locked block
    std::vector<std::uint32_t> eraseFail;    // an address in each block whose erase fails
    bool vppLow = false;
    std::vector<StuckLine> dataStuck;
    std::vector<StuckLine> addressStuck;
    std::vector<LinePair> addressShorts;
    std::string flashImagePath;  // empty: an erased flash
    std::string saverImagePath;  // empty: a cleared saver
};

// A CARD text that cannot be parsed, or a fault that could never act;
// what() names the bad part.
class CardConfigError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

CardConfig ParseCardConfig(std::string_view text);

}  // namespace sim
