#include <cerrno>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "portio/PortRecorder.h"
#include "portio/RawPort.h"
#include "portio/fakes/FakeRawIo.h"

namespace portio {
namespace {

using fakes::FakeRawIo;
using Kind = PortAccess::Kind;

// A PCIe card's port lies far from 0x378; the cartridge code does not know.
TEST(RawPortTest, AccessesAreMovedToTheBaseAndNothingOutsideTheGrantIsTouched) {
    PortRecorder adapter;
    adapter.QueueReads({0x5A, 0xBEEF});
    FakeRawIo io(adapter, 0xD010);
    {
        RawPort port(0xD010, io);
        EXPECT_TRUE(io.Granted());
        port.WriteByte(0x379, 0x01);  // the bare port: the status write goes out
        port.WriteByte(0x37B, 0x06);
        EXPECT_EQ(port.ReadByte(0x37C), 0x5A);
        EXPECT_EQ(port.ReadWord(0x37C), 0xBEEF);
        port.WriteByte(0x3BC, 0x01);
        EXPECT_EQ(port.ReadByte(0x377), 0xFF);
        EXPECT_EQ(port.ReadWord(0x37F), 0xFFFF);  // its upper half would lie outside
    }
    const std::vector<PortAccess> expected = {
        {Kind::Write, 0x379, 0x01}, {Kind::Write, 0x37B, 0x06}, {Kind::Read8, 0x37C, 0x5A},
        {Kind::Read16, 0x37C, 0xBEEF}};
    EXPECT_EQ(adapter.Accesses(), expected);
    // Those four, a status read after each of the three cycles, and at the
    // start a look at the ECR and at the time-out flag.
    EXPECT_EQ(io.instructions, 9u);
    EXPECT_EQ(io.ungranted, 0);
    EXPECT_EQ(io.revokes, 2);  // the port and its ECP registers
    EXPECT_FALSE(io.Granted());
}

TEST(RawPortTest, RefusalsSayWhy) {
    PortRecorder adapter;
    FakeRawIo io(adapter, 0x378);
    io.permitError = EPERM;
    try {
        RawPort port(0x378, io);
        ADD_FAILURE() << "granted without permission";
    } catch (const PortOpenError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find("no permission for direct access to the ports 0x378-0x37F: run as root"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("--port=/dev/parportN"), std::string::npos) << text;
    }
    io.permitError = 0;
    EXPECT_THROW(RawPort(0xFFFA, io), PortOpenError);
    EXPECT_EQ(io.grants, 0);
}

// An ECP port makes no EPP cycle unless its ECR holds mode 100: without the
// switch the adapter is never reached and a run only finds no card.
TEST(RawPortTest, AnEcpPortIsInEppModeForTheRunAndAsBeforeAfterwards) {
    using Ecr = FakeRawIo::Ecr;
    const struct {
        const char* what;
        Ecr ecr;
        std::uint8_t ecrValue;
        std::uint8_t control;
        std::vector<std::uint8_t> writes;  // to the ECR, the last ones when the run ends
        bool note;
    } ports[] = {
        {"no ECR", Ecr::None, 0x00, 0x0C, {}, false},
        {"ECR in mode 000", Ecr::Present, 0x14, 0x0C, {0x34, 0x94, 0x15}, true},
        {"ECR in mode 001", Ecr::Present, 0x34, 0x0C, {0x34, 0x94, 0x35}, true},
        // Between two FIFO modes the kernel passes through mode 001.
        {"ECR in ECP mode", Ecr::Present, 0x74, 0x0C, {0x34, 0x94, 0x35, 0x75}, true},
        {"ECR already in EPP mode", Ecr::Present, 0x94, 0x0C, {}, false},
        // Writing there would write the control register: never done.
        {"control register seen again", Ecr::ShowsControl, 0x00, 0x01, {}, false},
    };
    for (const auto& p : ports) {
        PortRecorder adapter;
        FakeRawIo io(adapter, 0x378);
        io.ecr = p.ecr;
        io.ecrValue = p.ecrValue;
        io.control = p.control;
        {
            RawPort port(0x378, io);
            EXPECT_EQ(port.Note().empty(), !p.note) << p.what << ": " << port.Note();
            port.WriteByte(0x37B, 0x06);
            EXPECT_EQ(port.FailedTransfers(), 0u) << p.what;
        }
        EXPECT_EQ(adapter.Accesses(), (std::vector<PortAccess>{{Kind::Write, 0x37B, 0x06}})) << p.what;
        EXPECT_EQ(io.ecrWrites, p.writes) << p.what;
        if (p.ecr == Ecr::Present) {
            EXPECT_EQ(io.ecrValue, p.ecrValue) << p.what;
        }
        EXPECT_FALSE(io.Granted()) << p.what;
        EXPECT_EQ(io.ungranted, 0) << p.what;
    }
}

TEST(RawPortTest, AnEcrThatRefusesEppModeIsRefusedAndLeftAsItWas) {
    PortRecorder adapter;
    FakeRawIo io(adapter, 0xD010);
    io.ecr = FakeRawIo::Ecr::NoEppMode;
    io.ecrValue = 0x34;
    try {
        RawPort port(0xD010, io);
        ADD_FAILURE() << "opened";
    } catch (const PortOpenError& error) {
        const std::string text = error.what();
        for (const char* part : {"0xD010 is an ECP port", "(0xD412) does not take EPP mode", "firmware setup"})
            EXPECT_NE(text.find(part), std::string::npos) << text;
    }
    EXPECT_EQ(io.ecrWrites, (std::vector<std::uint8_t>{0x34, 0x94, 0x35}));
    EXPECT_EQ(io.ecrValue, 0x34);
    EXPECT_FALSE(io.Granted());
    EXPECT_TRUE(adapter.Accesses().empty());

    io.ecr = FakeRawIo::Ecr::Present;
    io.ecpPermitError = ENOMEM;
    try {
        RawPort port(0xD010, io);  // the ECR cannot be looked at: not used blind
        ADD_FAILURE() << "opened";
    } catch (const PortOpenError& error) {
        EXPECT_NE(std::string(error.what()).find("0xD410-0xD412 cannot be granted"), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(io.Granted());
}

// The chip flags a cycle the adapter did not answer in status bit 0 and, on
// some chips, makes no further cycle until the flag is cleared; chips differ
// in how it clears.
TEST(RawPortTest, ATimedOutCycleIsCountedReadsAllOnesAndTheFlagIsClearedOnEveryChip) {
    using Clear = FakeRawIo::TimeoutClear;
    for (Clear clear : {Clear::WriteOne, Clear::WriteZero, Clear::DoubleRead}) {
        PortRecorder adapter;
        adapter.QueueReads({0xBEEF, 0x1111, 0x2222});
        FakeRawIo io(adapter, 0x378);
        io.timeoutClear = clear;
        std::uint64_t cycle = 0;
        std::set<std::uint64_t> lost = {1, 5};
        io.timesOut = [&](bool) { return lost.count(cycle++) != 0; };
        RawPort port(0x378, io);
        port.WriteByte(0x37B, 0x06);
        EXPECT_EQ(port.ReadByte(0x37C), 0xFF);  // cycle 1: lost
        EXPECT_FALSE(io.TimeoutFlag());
        port.WriteByte(0x37C, 0x01);
        EXPECT_EQ(port.ReadWord(0x37C), 0xBEEF);
        EXPECT_EQ(port.FailedTransfers(), 1u);
        std::uint16_t words[3];
        port.ReadWords(0x37C, words, 3);  // cycles 4 to 6: the second one lost
        EXPECT_EQ(words[0], 0xFFFF);
        EXPECT_EQ(words[2], 0xFFFF);
        EXPECT_EQ(port.FailedTransfers(), 4u);
        port.ReadWords(0x37C, words, 1);
        EXPECT_EQ(words[0], 0x2222);
        EXPECT_EQ(port.FailedTransfers(), 4u);
        // The kernel's way clears every kind: 1 written, then 0, after two reads.
        EXPECT_EQ(adapter.Accesses(), (std::vector<PortAccess>{{Kind::Write, 0x37B, 0x06},
                                                               {Kind::Write, 0x379, 0x79},
                                                               {Kind::Write, 0x379, 0x78},
                                                               {Kind::Write, 0x37C, 0x01},
                                                               {Kind::Read16, 0x37C, 0xBEEF},
                                                               {Kind::Read16, 0x37C, 0x1111},
                                                               {Kind::Write, 0x379, 0x79},
                                                               {Kind::Write, 0x379, 0x78},
                                                               {Kind::Read16, 0x37C, 0x2222}}))
            << static_cast<int>(clear);
    }
}

}  // namespace
}  // namespace portio
