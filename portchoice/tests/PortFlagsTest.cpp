// The shared flags' values: what a --port names, and the refusals both
// programs give for a bad --simulate or --port.
#include <gtest/gtest.h>

#include "portchoice/PortFlags.h"

namespace portchoice {
namespace {

std::string Refusal(const std::string& port) {
    try {
        ParsePortAddress(port);
    } catch (const UsageError& e) {
        return e.what();
    }
    return "";
}

TEST(PortFlagsTest, PortNamesADeviceAnIoBaseOrTheInpOutDll) {
    EXPECT_EQ(ParsePortAddress("/dev/parport1"), portio::PortAddress::Device("/dev/parport1"));
    EXPECT_EQ(ParsePortAddress("0xD010"), portio::PortAddress::IoBase(0xD010));
    EXPECT_EQ(ParsePortAddress("888"), portio::PortAddress::IoBase(0x378));
    EXPECT_EQ(ParsePortAddress("inpout"), portio::PortAddress::InpOut(0x378));
    EXPECT_EQ(ParsePortAddress("inpout:0xD010"), portio::PortAddress::InpOut(0xD010));
    EXPECT_EQ(ParsePortAddress("inpout:888"), portio::PortAddress::InpOut(0x378));
    for (const char* bad : {"inpout:", "inpout:0", "inpout:0xFFFA", "inpoutx", "inpout0x378", "inpout:0x37G", "",
                            "parport0", "-1", "0x"})
        EXPECT_THROW(ParsePortAddress(bad), UsageError) << bad;
}

TEST(PortFlagsTest, AnIoBaseMustHoldAllTheAdaptersPorts) {
    EXPECT_EQ(ParsePortAddress("0xFFF8"), portio::PortAddress::IoBase(0xFFF8));
    EXPECT_EQ(Refusal("0xFFF9"), "bad --port '0xFFF9' (an I/O base lies between 0x1 and 0xFFF8)");
    EXPECT_EQ(Refusal("0"), "bad --port '0' (an I/O base lies between 0x1 and 0xFFF8)");
    EXPECT_EQ(Refusal("0x10000"), "bad --port '0x10000' (an I/O base lies between 0x1 and 0xFFF8)");
    EXPECT_EQ(Refusal("lpt1"),
              "bad --port 'lpt1' (expected a device such as /dev/parport0, an I/O base such as 0x378, or inpout "
              "with an optional base such as inpout:0xD010)");
}

TEST(PortFlagsTest, ABadCardOrTwoPortsAreRefused) {
    const sim::CardConfig card = ParseSimulatedCard("sharp32,no-saver");
    EXPECT_EQ(card.kind, sim::CardKind::Sharp32);
    EXPECT_TRUE(card.noSaver);
    try {
        ParseSimulatedCard("floppy");
        ADD_FAILURE() << "an unknown card was taken";
    } catch (const UsageError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("bad --simulate: unknown card kind 'floppy'", 0), 0u) << e.what();
    }
    EXPECT_NO_THROW(CheckPortChoice(sim::ParseCardConfig("none"), std::nullopt));
    EXPECT_NO_THROW(CheckPortChoice(std::nullopt, portio::PortAddress::InpOut()));
    EXPECT_THROW(CheckPortChoice(sim::ParseCardConfig("none"), portio::PortAddress::InpOut()), UsageError);
}

}  // namespace
}  // namespace portchoice
