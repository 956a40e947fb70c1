// The adapter's register protocol over the EPP port at 0x378.
//
// An EPP address cycle selects one of the adapter's registers; data cycles
// then write or read it. Every primitive is a fixed sequence of port
// accesses and checks nothing: a missing adapter or card shows up only in
// the values that reads return. The primitives are inline because the full
// diagnostic makes some 30 million port accesses through them.
#pragma once

#include <cstdint>
#include <iterator>

#include "portio/AdapterWire.h"
#include "portio/PortAccess.h"

namespace cartridge {

using portio::wire::PortControl;
using portio::wire::PortEppAddress;
using portio::wire::PortEppData;
using portio::wire::PortStatus;

using portio::wire::RegAddrHigh;
using portio::wire::RegAddrLow;
using portio::wire::RegAddrMid;
using portio::wire::RegData;
using portio::wire::RegMode;

using portio::wire::ModeFlash;
using portio::wire::ModeFlashStream;
using portio::wire::ModeIdle;
using portio::wire::ModeReset;
using portio::wire::ModeSaver;
using portio::wire::ModeSaverStream;

// A burst: 128 words from 256 consecutive card addresses. Read as bytes,
// each word low byte first, the burst is the card's bytes in address order.
using BurstWords = std::uint16_t[128];

inline void ControlRead() { portio::PortWriteByte(PortControl, 0x00); }
inline void ControlWrite() { portio::PortWriteByte(PortControl, 0x01); }

inline void SelectRegister(std::uint8_t reg) {
    ControlWrite();
    portio::PortWriteByte(PortEppAddress, reg);
}

inline void WriteRegister(std::uint8_t reg, std::uint8_t value) {
    SelectRegister(reg);
    ControlWrite();
    portio::PortWriteByte(PortEppData, value);
}

inline void SetMode(std::uint8_t mode) { WriteRegister(RegMode, mode); }

inline void InitAdapter() {
    portio::PortWriteByte(PortStatus, 0x01);  // clears the EPP time-out flag
    SetMode(ModeReset);
    SetMode(ModeFlash);
}

// Sends the 24 low bits of `address` and leaves the data window selected.
inline void SetAddress(std::uint32_t address) {
    WriteRegister(RegAddrLow, address & 0xFF);
    WriteRegister(RegAddrMid, (address >> 8) & 0xFF);
    WriteRegister(RegAddrHigh, (address >> 16) & 0xFF);
    SelectRegister(RegData);
}

inline void SetAddressForRead(std::uint32_t address) {
    SetAddress(address);
    ControlRead();
}

inline void WriteDataByte(std::uint8_t value) { portio::PortWriteByte(PortEppData, value); }

inline void WriteByteAt(std::uint32_t address, std::uint8_t value) {
    SetAddress(address);
    WriteDataByte(value);
}

inline std::uint8_t ReadDataByte() { return portio::PortReadByte(PortEppData); }
inline std::uint16_t ReadDataWord() { return portio::PortReadWord(PortEppData); }

// The 128 word reads go to the backend as one bulk read: the same accesses,
// which a backend on a system call per access makes in one.
inline void ReadBurst(std::uint32_t address, BurstWords& words) {
    SetAddressForRead(address);
    portio::PortReadWords(PortEppData, words, std::size(words));
}

// Byte `index` (0 to 255) of a burst, in card address order.
inline std::uint8_t BurstByte(const BurstWords& words, int index) {
    std::uint16_t word = words[index >> 1];
    return static_cast<std::uint8_t>((index & 1) ? word >> 8 : word);
}

}  // namespace cartridge
