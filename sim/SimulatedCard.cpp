#include "sim/SimulatedCard.h"

#include <fstream>
#include <iterator>

#include "portio/AdapterWire.h"

namespace sim {

using namespace portio::wire;

namespace {

// The bytes of an image file, at most `limit` of them.
std::vector<std::uint8_t> ReadImage(const std::string& path, std::uint32_t limit, const char* area) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw CardConfigError("cannot read the " + std::string(area) + " image '" + path + "'");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw CardConfigError("cannot read the " + std::string(area) + " image '" + path + "'");
    if (bytes.size() > limit)
        throw CardConfigError("the " + std::string(area) + " image '" + path + "' holds " +
                              std::to_string(bytes.size()) + " bytes, more than the " + area + "'s " +
                              std::to_string(limit));
    return bytes;
}
}  // namespace

SimulatedCard::SimulatedCard(const CardConfig& config)
    : saver_(kSaverBytes, 0x00), saverStuck_(config.saverBad),
      hasSaver_(config.kind != CardKind::None && !config.noSaver) {
    const CardKindInfo& kind = KindInfo(config.kind);
    for (std::uint32_t i = 0; i < kind.partCount; ++i)
        parts_.push_back(std::make_unique<FlashPart>(kind.base + i * kind.partBytes, kind.partBytes,
                                                     kind.eraseBlockBytes, kind.id));
    for (auto& part : parts_)
        for (std::uint32_t slice = 0; slice < partBySlice_.size(); ++slice)
            if (part->Contains(slice << 21)) partBySlice_[slice] = part.get();
    for (const StuckByte& stuck : config.flashBad)
        if (FlashPart* part = PartAt(stuck.address)) part->AddStuckByte(stuck);
    for (std::uint32_t address : config.flashWeak)
        if (FlashPart* part = PartAt(address)) part->AddWeakCell(address);
    for (std::uint32_t address : config.flashLocked)
        if (FlashPart* part = PartAt(address)) part->LockBlock(address);
    for (std::uint32_t address : config.eraseFail)
        if (FlashPart* part = PartAt(address)) part->FailEraseOf(address);
    if (config.vppLow)
        for (auto& part : parts_) part->SetVppLow();
    if (config.flashHang && !parts_.empty()) parts_.front()->HangOnNextOperation();
    for (const StuckLine& stuck : config.dataStuck) {
        dataStuckMask_ |= 1u << stuck.line;
        if (stuck.value) dataStuckValue_ |= 1u << stuck.line;
    }
    for (const StuckLine& stuck : config.addressStuck) {
        addressStuckMask_ |= 1u << stuck.line;
        if (stuck.value) addressStuckValue_ |= 1u << stuck.line;
    }
    addressShorts_ = config.addressShorts;
    if (!config.flashImagePath.empty()) {
        const std::vector<std::uint8_t> image = ReadImage(config.flashImagePath, kind.FlashBytes(), "flash");
        for (std::uint32_t address = 0; address < image.size(); ++address)
            PartAt(address)->SetCell(address, image[address]);
    }
    if (!config.saverImagePath.empty()) {
        const std::vector<std::uint8_t> image = ReadImage(config.saverImagePath, kSaverBytes, "saver");
        std::copy(image.begin(), image.end(), saver_.begin());
    }
}

std::uint32_t SimulatedCard::CardAddress() const {
    std::uint32_t address = address_;
    // A driven-low line pulls the line shorted to it low.
    for (const LinePair& pair : addressShorts_) {
        const std::uint32_t both = (1u << pair.a) | (1u << pair.b);
        if ((address & both) != both) address &= ~both;
    }
    return (address & ~addressStuckMask_) | addressStuckValue_;
}

void SimulatedCard::WriteByte(std::uint16_t port, std::uint8_t value) {
    switch (port) {
    case PortControl: control_ = value; break;
    case PortEppAddress: selected_ = value; break;
    case PortEppData: WriteData(value); break;
    case PortStatus: break;  // clears the EPP time-out flag; there is none here
    default: break;
    }
}

void SimulatedCard::WriteData(std::uint8_t value) {
    switch (selected_) {
    case RegAddrLow: address_ = (address_ & 0xFFFF00) | value; break;
    case RegAddrMid: address_ = (address_ & 0xFF00FF) | (std::uint32_t{value} << 8); break;
    case RegAddrHigh: address_ = (address_ & 0x00FFFF) | (std::uint32_t{value} << 16); break;
    case RegData: {
        const std::uint32_t address = CardAddress();
        value = DataLines(value);
        if (mode_ & ModeBitFlash) {
            if (FlashPart* part = PartAt(address)) part->Write(address, value, (mode_ & ModeBitStream) != 0);
        } else if ((mode_ & ModeBitSaver) && hasSaver_) {
            saver_[(address >> 1) & kSaverMask] = value;
        }
        StepInStream();
        break;
    }
    case RegMode: mode_ = value; break;
    default: break;
    }
}

std::uint8_t SimulatedCard::ReadData() {
    if (selected_ != RegData) return 0xFF;
    std::uint8_t value = 0xFF;
    const std::uint32_t address = CardAddress();
    if (mode_ & ModeBitFlash) {
        if (FlashPart* part = PartAt(address)) value = part->Read(address);
    } else if ((mode_ & ModeBitSaver) && hasSaver_) {
        std::uint32_t saverAddress = (address >> 1) & kSaverMask;
        value = saver_[saverAddress];
        for (const StuckByte& stuck : saverStuck_)
            if (stuck.address == saverAddress) value = stuck.value;
    }
    StepInStream();
    return DataLines(value);
}

std::uint8_t SimulatedCard::ReadByte(std::uint16_t port) {
    return port == PortEppData ? ReadData() : 0xFF;
}

std::uint16_t SimulatedCard::ReadWord(std::uint16_t port) {
    if (port != PortEppData) return 0xFFFF;
    std::uint8_t low = ReadData();
    std::uint8_t high = ReadData();
    return static_cast<std::uint16_t>(low | (high << 8));
}

std::uint8_t SimulatedCard::FlashCell(std::uint32_t address) const {
    FlashPart* part = PartAt(address & 0xFFFFFF);
    return part ? part->Cell(address) : 0xFF;
}

int SimulatedCard::EraseCount() const {
    int count = 0;
    for (const auto& part : parts_) count += part->EraseCount();
    return count;
}

int SimulatedCard::StreamBytesTakenAsCommands() const {
    int count = 0;
    for (const auto& part : parts_) count += part->StreamBytesTakenAsCommands();
    return count;
}

int SimulatedCard::ProtectionPrograms() const {
    int count = 0;
    for (const auto& part : parts_) count += part->ProtectionPrograms();
    return count;
}

bool SimulatedCard::BlockLocked(std::uint32_t address) const {
    FlashPart* part = PartAt(address & 0xFFFFFF);
    return part && part->BlockLocked(address);
}

}  // namespace sim
