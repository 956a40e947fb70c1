// A stop (Ctrl+C, a trace that can no longer be written) that arrives in the
// middle of a flash operation takes effect only once the operation is done,
// so that the card answers the next run: stopped after a write-to-buffer
// command or inside its data, the part would take the next run's reset and
// identifier commands as buffer data.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

#include "cartridge/AdapterLink.h"
#include "cartridge/CardIdentification.h"
#include "cartridge/FlashCommands.h"
#include "cartridge/Patterns.h"
#include "cartridge/tests/RecordingReport.h"
#include "cli/Interruption.h"
#include "portio/PortTracer.h"
#include "sim/SimulatedCard.h"

namespace runner {
namespace {

// Passes accesses on and counts them; at access `stopAt` a stop arrives.
class StopArrivesAt final : public portio::PortBackend {
public:
    StopArrivesAt(portio::PortBackend& inner, long stopAt) : inner_(inner), stopAt_(stopAt) {}
    void WriteByte(std::uint16_t port, std::uint8_t value) override {
        Count();
        inner_.WriteByte(port, value);
    }
    std::uint8_t ReadByte(std::uint16_t port) override {
        Count();
        return inner_.ReadByte(port);
    }
    std::uint16_t ReadWord(std::uint16_t port) override {
        Count();
        return inner_.ReadWord(port);
    }
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}
    long accesses = 0;

private:
    void Count() {
        if (++accesses == stopAt_) detail::arrivedSignal.store(SIGINT);
    }
    portio::PortBackend& inner_;
    long stopAt_;
};

enum class Operation { Erase, Program };

// Runs two operations back to back, as the program pass does, on the second
// part of a Sharp card (the part whose identifier the next run reads first).
void RunOperation(Operation operation) {
    static const cartridge::PatternBlock zeros{};
    if (operation == Operation::Erase) {
        cartridge::EraseFlashBlock(0x200000);
        cartridge::EraseFlashBlock(0x210000);
    } else {
        cartridge::ProgramFlashBuffer(0x200000, zeros);
        cartridge::ProgramFlashBuffer(0x200020, zeros);
    }
}

long AccessesOf(Operation operation) {
    sim::SimulatedCard card(sim::ParseCardConfig("sharp64"));
    StopArrivesAt counter(card, 0);
    portio::ScopedPortBackend scope(counter);
    if (operation == Operation::Erase) cartridge::EraseFlashBlock(0x200000);
    else cartridge::ProgramFlashBuffer(0x200000, cartridge::PatternBlock{});
    return counter.accesses;
}

TEST(StopPointsTest, AStopInsideAFlashOperationWaitsForItAndTheCardStillAnswers) {
    for (Operation operation : {Operation::Erase, Operation::Program}) {
        const long length = AccessesOf(operation);
        ASSERT_GT(length, 20);
        for (long k = 1; k <= length; ++k) {
            detail::arrivedSignal.store(0);
            sim::SimulatedCard card(sim::ParseCardConfig("sharp64"));
            StopArrivesAt stop(card, k);
            StopOnInterrupt stopper(stop);
            {
                portio::ScopedPortBackend scope(stopper);
                EXPECT_THROW(RunOperation(operation), RunInterrupted) << k;
            }
            // The first operation ran whole; the second never started.
            EXPECT_EQ(stop.accesses, length) << "stopped inside the operation at access " << k;
            detail::arrivedSignal.store(0);

            portio::ScopedPortBackend scope(card);
            cartridge::test::RecordingReport report;
            cartridge::DetectCard(report);
            EXPECT_EQ(report.lines, std::vector<std::string>{"64Mbit(Sharp) Card Found"}) << k;
            if (operation == Operation::Program) {
                EXPECT_EQ(card.FlashCell(0x20001F), 0x00) << k;
            }
        }
    }
}

TEST(StopPointsTest, ATraceThatFailsInsideAFlashOperationStopsTheRunAfterIt) {
    // A stream opened for reading: its first trace line, inside the
    // operation, cannot be written.
    const char* path = "stop-points-trace.txt";
    std::FILE* made = std::fopen(path, "w");
    ASSERT_NE(made, nullptr);
    std::fclose(made);
    std::FILE* out = std::fopen(path, "r");
    ASSERT_NE(out, nullptr);
    sim::SimulatedCard card(sim::ParseCardConfig("sharp64"));
    portio::PortTracer tracer(card, out, true);
    {
        portio::ScopedPortBackend scope(tracer);
        EXPECT_THROW(RunOperation(Operation::Program), portio::TraceWriteError);
    }
    std::fclose(out);
    std::remove(path);
    EXPECT_NE(tracer.WriteError(), 0);
    EXPECT_EQ(card.FlashCell(0x20001F), 0x00);  // the program went through whole
    EXPECT_EQ(card.FlashCell(0x200020), 0xFF);  // and the next one did not start
    portio::ScopedPortBackend scope(card);
    cartridge::test::RecordingReport report;
    cartridge::DetectCard(report);
    EXPECT_EQ(report.lines, std::vector<std::string>{"64Mbit(Sharp) Card Found"});
}

// The stop wrapper passes a burst on whole, so that a backend that reads it
// in one transfer (one system call through ppdev) still does.
TEST(StopPointsTest, ABurstPassesThroughTheStopAsOneCall) {
    class Bursts final : public portio::PortBackend {
    public:
        void WriteByte(std::uint16_t, std::uint8_t) override {}
        std::uint8_t ReadByte(std::uint16_t) override { return 0; }
        std::uint16_t ReadWord(std::uint16_t) override { return ++words, 0; }
        void ReadWords(std::uint16_t, std::uint16_t* out, std::size_t count) override {
            ++calls;
            for (std::size_t i = 0; i < count; ++i) out[i] = 0;
        }
        bool Ready() const override { return true; }
        void SetDirectAccess(bool) override {}
        int calls = 0, words = 0;
    } device;
    StopOnInterrupt stopper(device);
    portio::ScopedPortBackend scope(stopper);
    cartridge::BurstWords burst;
    cartridge::ReadBurst(0x1000, burst);
    EXPECT_EQ(device.calls, 1);
    EXPECT_EQ(device.words, 0);
}

}  // namespace
}  // namespace runner
