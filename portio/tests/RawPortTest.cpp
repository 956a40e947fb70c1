#include <cerrno>
#include <string>

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
    EXPECT_EQ(io.instructions, 4u);
    EXPECT_EQ(io.ungranted, 0);
    EXPECT_EQ(io.revokes, 1);
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

}  // namespace
}  // namespace portio
