// The platform's port layer replaced by a simulated card, for runs of the
// console runner without --simulate.
#pragma once

#include <algorithm>
#include <functional>
#include <string>

#include "cartridge/CardContents.h"
#include "cartridge/Patterns.h"
#include "cartridge/SaverAreaTest.h"
#include "portio/PlatformPort.h"
#include "sim/SimulatedCard.h"

namespace runner::test {

// The platform's layer with a simulated card behind it, as the real
// hardware would stand there; the card outlives single runs.
class CardOnThePort final : public portio::PlatformPortLayerStandIn {
public:
    explicit CardOnThePort(const char* card) : card(sim::ParseCardConfig(card)) {
        portio::SetPlatformPortLayerStandIn(this);
    }
    ~CardOnThePort() override { portio::SetPlatformPortLayerStandIn(nullptr); }
    portio::PortBackend* Start() override { return &watched; }
    void Shutdown() override {}
    // Puts `image` into the saver through the adapter.
    void FillSaver(const std::string& image) {
        portio::ScopedPortBackend scope(card);
        cartridge::PatternBlock block;
        for (std::uint32_t start = 0; start < cartridge::SaverBytes; start += cartridge::PatternBytes) {
            std::copy_n(image.begin() + start, cartridge::PatternBytes, block.begin());
            for (std::uint32_t chunk = start; chunk < start + cartridge::PatternBytes; chunk += 128)
                cartridge::WriteSaverChunk(chunk, block);
        }
    }
    std::string Saver() const {
        std::string bytes(cartridge::SaverBytes, '\0');
        for (std::uint32_t x = 0; x < cartridge::SaverBytes; ++x) bytes[x] = static_cast<char>(card.SaverCell(x));
        return bytes;
    }
    sim::SimulatedCard card;
    // Called before every access the run makes (say, to raise a signal).
    std::function<void()> beforeAccess = [] {};

private:
    class Watched final : public portio::PortBackend {
    public:
        explicit Watched(CardOnThePort& port) : port_(port) {}
        void WriteByte(std::uint16_t p, std::uint8_t v) override { port_.beforeAccess(); port_.card.WriteByte(p, v); }
        std::uint8_t ReadByte(std::uint16_t p) override { port_.beforeAccess(); return port_.card.ReadByte(p); }
        std::uint16_t ReadWord(std::uint16_t p) override { port_.beforeAccess(); return port_.card.ReadWord(p); }
        bool Ready() const override { return true; }
        void SetDirectAccess(bool) override {}

    private:
        CardOnThePort& port_;
    };
    Watched watched{*this};
};

}  // namespace runner::test
