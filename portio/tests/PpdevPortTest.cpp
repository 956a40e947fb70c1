#include <linux/parport.h>

#include <cerrno>
#include <string>

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
    EXPECT_EQ(device.transfers, 5u);  // control is an ioctl; the 16-bit read is one transfer of two bytes
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
        EXPECT_TRUE(adapter.Accesses().empty()) << refusal.what;
    }
}

}  // namespace
}  // namespace portio
