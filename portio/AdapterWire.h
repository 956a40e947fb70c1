// The adapter's wire facts: the ports it answers on, its registers and mode
// bits, and what the card behind it holds (the saver's size, the flash parts'
// identifiers, sizes and erase blocks).
//
// Three layers speak this protocol from different sides: the diagnostic
// (cartridge/) drives it, the simulator (sim/) answers it as a port backend,
// and the fake port devices (portio/fakes/) pass its cycles through to an
// adapter. All three link portio, the lowest library, so the facts live here
// once, as constants only: nothing in portio itself depends on the adapter
// beyond CartridgeBase and the port offsets.
#pragma once

#include <cstdint>

namespace portio::wire {

// The port the cartridge code addresses, whatever port a backend maps it to,
// and the eight ports an EPP port occupies from its base.
constexpr std::uint16_t CartridgeBase = 0x378;
constexpr std::uint16_t PortSpan = 8;

// The ports by their offset from the base: status, control, EPP address
// cycles, EPP data cycles (a 16-bit read of the data port is two cycles).
constexpr std::uint16_t StatusOffset = 1;
constexpr std::uint16_t ControlOffset = 2;
constexpr std::uint16_t EppAddressOffset = 3;
constexpr std::uint16_t EppDataOffset = 4;

constexpr std::uint16_t PortStatus = CartridgeBase + StatusOffset;
constexpr std::uint16_t PortControl = CartridgeBase + ControlOffset;
constexpr std::uint16_t PortEppAddress = CartridgeBase + EppAddressOffset;
constexpr std::uint16_t PortEppData = CartridgeBase + EppDataOffset;

// The adapter's registers, selected by an address cycle: the 24-bit card
// address (low, middle, high byte), the data window onto the card at that
// address, and the mode.
constexpr std::uint8_t RegAddrLow = 0;
constexpr std::uint8_t RegAddrMid = 1;
constexpr std::uint8_t RegAddrHigh = 2;
constexpr std::uint8_t RegData = 3;
constexpr std::uint8_t RegMode = 6;

// Mode bits: the window reaches the flash or the saver RAM, and in a stream
// mode the address steps by one after every data byte.
constexpr std::uint8_t ModeBitFlash = 0x04;
constexpr std::uint8_t ModeBitSaver = 0x08;
constexpr std::uint8_t ModeBitStream = 0x10;
constexpr std::uint8_t ModeBitEnable = 0x80;

// The modes the diagnostic sets.
constexpr std::uint8_t ModeReset = 0x00;
constexpr std::uint8_t ModeIdle = ModeBitEnable;
constexpr std::uint8_t ModeFlash = ModeIdle | ModeBitFlash;                    // 0x84
constexpr std::uint8_t ModeFlashStream = ModeFlash | ModeBitStream;            // 0x94
constexpr std::uint8_t ModeSaver = ModeIdle | ModeBitSaver;                    // 0x88
constexpr std::uint8_t ModeSaverStream = ModeSaver | ModeBitStream;            // 0x98

// The battery-backed saver RAM: 128 KB, byte x at card address 2x.
constexpr std::uint32_t SaverBytes = 0x20000;

// The flash parts a card carries, by the identifier they answer with.
constexpr std::uint16_t IntelCardId = 0x8917;  // one 64 Mbit (8 MB) part
constexpr std::uint16_t SharpCardId = 0xB0D0;  // 16 Mbit (2 MB) parts: two or four on a card
constexpr std::uint32_t IntelPartBytes = 0x800000;
constexpr std::uint32_t SharpPartBytes = 0x200000;
constexpr std::uint32_t IntelEraseBlockBytes = 0x20000;
constexpr std::uint32_t SharpEraseBlockBytes = 0x10000;

}  // namespace portio::wire
