#include <linux/parport.h>

#include <cerrno>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "portio/PortRecorder.h"
#include "portio/PpdevPort.h"
#include "portio/fakes/FakeParportDevice.h"

namespace portio {
namespace {

using fakes::FakeParportDevice;
using Kind = PortAccess::Kind;

TEST(PpdevPortTest, AccessesReachTheAdapterByOffsetWithModeSwitchesOnlyWhenTheCycleChanges) {
    PortRecorder adapter;
    adapter.QueueReads({0x12, 0x34, 0x56});
    FakeParportDevice device(adapter);
    {
        PpdevPort port("/dev/parport0", device);
        EXPECT_TRUE(device.Claimed());
        EXPECT_EQ(device.modeSwitches, 1u);  // into EPP data cycles

        port.WriteByte(0x379, 0x01);  // the kernel clears the time-out itself: no call
        port.WriteByte(0x37A, 0x01);
        port.WriteByte(0x37B, 0x06);
        port.WriteByte(0x37A, 0x01);
        port.WriteByte(0x37C, 0x94);
        port.WriteByte(0x37C, 0x95);
        port.WriteByte(0x37A, 0x00);
        EXPECT_EQ(port.ReadByte(0x37C), 0x12);
        EXPECT_EQ(port.ReadWord(0x37C), 0x5634);  // the first byte in the low half
        port.WriteByte(0x380, 0x77);  // outside the port: nothing
        EXPECT_EQ(port.ReadByte(0x377), 0xFF);
        EXPECT_EQ(device.modeSwitches, 3u);  // to address and back to data
        EXPECT_EQ(port.FailedTransfers(), 0u);
    }
    const std::vector<PortAccess> expected = {
        {Kind::Write, 0x37A, 0x01}, {Kind::Write, 0x37B, 0x06}, {Kind::Write, 0x37A, 0x01},
        {Kind::Write, 0x37C, 0x94}, {Kind::Write, 0x37C, 0x95}, {Kind::Write, 0x37A, 0x00},
        {Kind::Read8, 0x37C, 0x12}, {Kind::Read8, 0x37C, 0x34}, {Kind::Read8, 0x37C, 0x56},
    };
    EXPECT_EQ(adapter.Accesses(), expected);
    // Control is an ioctl; the two data writes in a row are one transfer, the
    // 16-bit read is one transfer of two bytes.
    EXPECT_EQ(device.transfers, 4u);
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(device.releases, 1);
    EXPECT_EQ(device.closes, 1);
    EXPECT_EQ(device.misuses, 0);
}

TEST(PpdevPortTest, AnUnansweredCycleReadsAllOnesAndIsCounted) {
    PortRecorder adapter;
    FakeParportDevice device(adapter);
    bool silent = false;
    device.timesOut = [&silent](bool) { return silent; };
    PpdevPort port("/dev/parport0", device);
    silent = true;
    port.WriteByte(0x37C, 0x00);
    EXPECT_EQ(port.ReadByte(0x37C), 0xFF);
    EXPECT_EQ(port.ReadWord(0x37C), 0xFFFF);
    EXPECT_EQ(port.FailedTransfers(), 3u);
    EXPECT_TRUE(adapter.Accesses().empty());
    EXPECT_EQ(device.misuses, 0);  // no read the kernel would have kept repeating
}

// The kernel stops a transfer at the byte whose cycle timed out and returns
// the count before it. Going on with the rest keeps the bytes in place, but
// the peripheral may have stepped its address on the lost cycle: the
// access must count as failed, or a backup shifted by a byte would be kept.
TEST(PpdevPortTest, ATimeOutInsideATransferCountsEvenWhenTheRestGoesThrough) {
    PortRecorder adapter;
    adapter.defaultRead = 0x5A;
    FakeParportDevice device(adapter);
    std::uint64_t cycle = 0;
    std::set<std::uint64_t> lost;  // cycles that time out
    device.timesOut = [&](bool) { return lost.count(cycle++) != 0; };
    PpdevPort port("/dev/parport0", device);

    lost = {1};  // the high byte of a word: a second read gets it
    EXPECT_EQ(port.ReadWord(0x37C), 0x5A5A);
    EXPECT_EQ(port.FailedTransfers(), 1u);

    cycle = 0;
    lost = {101};  // inside a burst: word 50, once
    std::uint16_t words[128];
    port.ReadWords(0x37C, words, 128);
    EXPECT_EQ(words[50], 0x5A5A);
    EXPECT_EQ(port.FailedTransfers(), 2u);

    cycle = 0;
    lost = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110};  // nothing answers from word 50 on
    for (std::uint64_t c = 111; c < 400; ++c) lost.insert(c);
    port.ReadWords(0x37C, words, 128);
    EXPECT_EQ(words[49], 0x5A5A);
    EXPECT_EQ(words[50], 0xFFFF);
    EXPECT_EQ(words[127], 0xFFFF);
    EXPECT_EQ(port.FailedTransfers(), 2u + 78u);

    cycle = 0;
    lost = {5};  // a kept write of 32 bytes, its sixth byte lost once
    for (int i = 0; i < 32; ++i) port.WriteByte(0x37C, static_cast<std::uint8_t>(i));
    EXPECT_EQ(port.FailedTransfers(), 81u);
    EXPECT_EQ(device.misuses, 0);
}

// Data writes in a row are one write() and a burst one read(); what reaches
// the adapter, and in which order, is what the accesses say.
TEST(PpdevPortTest, WritesInARowAndBurstsAreOneTransferWithTheSameCyclesInOrder) {
    PortRecorder adapter;
    adapter.defaultRead = 0x80;
    FakeParportDevice device(adapter);
    std::vector<PortAccess> expected;
    {
        PpdevPort port("/dev/parport0", device);
        const std::uint64_t before = device.transfers;
        port.WriteByte(0x37A, 0x01);
        port.WriteByte(0x37B, 0x03);
        for (int i = 0; i < 32; ++i) port.WriteByte(0x37C, static_cast<std::uint8_t>(i));
        EXPECT_EQ(device.transfers, before + 1);  // the address cycle; the data bytes are kept
        port.WriteByte(0x37A, 0x00);              // control: the kept bytes go first
        EXPECT_EQ(device.transfers, before + 2);
        std::uint16_t words[128];
        port.ReadWords(0x37C, words, 128);
        EXPECT_EQ(device.transfers, before + 3);
        EXPECT_EQ(words[127], 0x8080);
        port.WriteByte(0x37C, 0xD0);
        EXPECT_EQ(port.FailedTransfers(), 0u);  // asking makes the kept write
        EXPECT_EQ(device.transfers, before + 4);
        port.WriteByte(0x37C, 0xE8);  // made when the port is released
        expected.push_back({Kind::Write, 0x37A, 0x01});
        expected.push_back({Kind::Write, 0x37B, 0x03});
        for (int i = 0; i < 32; ++i) expected.push_back({Kind::Write, 0x37C, static_cast<std::uint16_t>(i)});
        expected.push_back({Kind::Write, 0x37A, 0x00});
        for (int i = 0; i < 256; ++i) expected.push_back({Kind::Read8, 0x37C, 0x80});
        expected.push_back({Kind::Write, 0x37C, 0xD0});
    }
    expected.push_back({Kind::Write, 0x37C, 0xE8});
    EXPECT_EQ(adapter.Accesses(), expected);
    EXPECT_EQ(device.misuses, 0);
}

// Closing a port left in EPP mode makes the kernel negotiate back to
// compatibility mode, which strobes nInit and nSelectIn on the adapter.
TEST(PpdevPortTest, TheEndLeavesEppModeWithoutStrobingTheAdapter) {
    PortRecorder adapter;
    FakeParportDevice device(adapter);
    {
        PpdevPort port("/dev/parport0", device);
        port.WriteByte(0x37A, 0x01);
    }
    EXPECT_EQ(device.closeNegotiations, 0);
    EXPECT_EQ(device.Mode(), IEEE1284_MODE_COMPAT);
    EXPECT_EQ(adapter.Accesses(), (std::vector<PortAccess>{{Kind::Write, 0x37A, 0x01}}));
    EXPECT_EQ(device.releases, 1);
    EXPECT_EQ(device.misuses, 0);
}

// On an ECP+EPP port the kernel sets control to 0x04 before each write and
// 0x24 before each read; the backend cannot stop it and says so.
TEST(PpdevPortTest, AnEcpEppPortIsWarnedAboutWithWhatTheAdapterSees) {
    PortRecorder adapter;
    FakeParportDevice device(adapter);
    device.modes |= PARPORT_MODE_ECP;
    PpdevPort port("/dev/parport0", device);
    ASSERT_EQ(port.Warnings().size(), 1u);
    const std::string& warning = port.Warnings()[0];
    for (const char* part : {"ECP+EPP", "0x04", "0x24", "--port=0xBASE"})
        EXPECT_NE(warning.find(part), std::string::npos) << warning;
    port.WriteByte(0x37A, 0x01);
    port.WriteByte(0x37C, 0x94);
    EXPECT_EQ(port.ReadByte(0x37C), 0xFF);
    const std::vector<PortAccess> expected = {
        {Kind::Write, 0x37A, 0x01}, {Kind::Write, 0x37A, 0x04}, {Kind::Write, 0x37A, 0x04},
        {Kind::Write, 0x37C, 0x94}, {Kind::Write, 0x37A, 0x24}, {Kind::Write, 0x37A, 0x24},
        {Kind::Read8, 0x37C, 0xFF}};
    EXPECT_EQ(adapter.Accesses(), expected);

    PortRecorder plainAdapter;
    FakeParportDevice plain(plainAdapter);
    EXPECT_TRUE(PpdevPort("/dev/parport0", plain).Warnings().empty());
}

struct Refusal {
    const char* what;
    void (*setUp)(FakeParportDevice&);
    std::vector<std::string> said;
};

TEST(PpdevPortTest, EachRefusalSaysWhatIsMissingAndLeavesNothingOpen) {
    const Refusal refusals[] = {
        {"no device", [](FakeParportDevice& d) { d.exists = false; },
         {"no parallel port device '/dev/parport0'", "sudo modprobe ppdev", "--port=0xBASE"}},
        {"no port behind the node", [](FakeParportDevice& d) { d.openError = ENXIO; },
         {"'/dev/parport0' has no parallel port behind it", "modprobe ppdev"}},
        {"not in the device's group", [](FakeParportDevice& d) { d.openError = EACCES; },
         {"no permission to open '/dev/parport0'", "the group 'lp' may use it", "sudo adduser $USER lp",
          "log in again"}},
        {"another distribution's group",
         [](FakeParportDevice& d) {
             d.openError = EACCES;
             d.group = 20;
             d.groupNames = {{20, "parallel"}};
         },
         {"the group 'parallel' may use it", "sudo adduser $USER parallel"}},
        {"root only",
         [](FakeParportDevice& d) {
             d.openError = EACCES;
             d.group = 0;
             d.permissions = 0600;
             d.groupNames = {{0, "root"}};
         },
         {"no group of users may use it; run as root"}},
        {"no EPP", [](FakeParportDevice& d) { d.modes = PARPORT_MODE_PCSPP | PARPORT_MODE_TRISTATE; },
         {"does not support EPP mode (it offers PCSPP,TRISTATE)", "EPP or ECP+EPP",
          "/proc/sys/dev/parport/parport0/modes"}},
        {"claimed elsewhere", [](FakeParportDevice& d) { d.claimError = EBUSY; }, {"'/dev/parport0' cannot be claimed"}},
        // PPCLAIM would sleep until the holder lets go: named instead.
        {"held by the printer driver", [](FakeParportDevice& d) { d.holder = "lp0"; },
         {"'/dev/parport0' is in use", "'lp0'", "/proc/sys/dev/parport/parport0/devices/active", "rmmod lp"}},
        {"held by another program", [](FakeParportDevice& d) { d.holder = "ppdev0"; },
         {"'ppdev0'", "fuser -v /dev/parport*"}},
        // Without the file the claim waits; Ctrl+C ends it.
        {"held, no /proc",
         [](FakeParportDevice& d) {
             d.holder = "lp0";
             d.procFiles = false;
         },
         {"waiting to claim '/dev/parport0' was interrupted", "another program holds the port"}},
    };
    for (const Refusal& refusal : refusals) {
        PortRecorder adapter;
        FakeParportDevice device(adapter);
        refusal.setUp(device);
        try {
            PpdevPort port("/dev/parport0", device);
            ADD_FAILURE() << refusal.what << ": opened";
        } catch (const PortOpenError& error) {
            for (const std::string& part : refusal.said)
                EXPECT_NE(std::string(error.what()).find(part), std::string::npos)
                    << refusal.what << ": " << error.what();
        }
        EXPECT_FALSE(device.IsOpen()) << refusal.what;
        EXPECT_FALSE(device.Claimed()) << refusal.what;
        EXPECT_EQ(device.misuses, 0) << refusal.what;
        EXPECT_EQ(device.blockedClaims, device.procFiles ? 0 : 1) << refusal.what;
        EXPECT_EQ(device.closeNegotiations, 0) << refusal.what;
        EXPECT_TRUE(adapter.Accesses().empty()) << refusal.what;
    }
}

// Where the kernel does not say who holds the port, the claim waits as the
// kernel makes it: for the holder to let go.
TEST(PpdevPortTest, WithoutTheHoldersNameTheClaimWaitsForThePort) {
    PortRecorder adapter;
    FakeParportDevice device(adapter, "/dev/parport1", 1);
    device.procFiles = false;
    device.holder = "lp1";
    device.whileClaimBlocks = [&device] { device.holder.clear(); };
    PpdevPort port("/dev/parport1", device);
    EXPECT_TRUE(device.Claimed());
    EXPECT_EQ(device.blockedClaims, 1);
}

}  // namespace
}  // namespace portio
