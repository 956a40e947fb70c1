#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "portio/CtlCode.h"
#include "portio/DriverPath.h"
#include "portio/DriverProtocol.h"

namespace portio {
namespace {

TEST(CtlCodeTest, DriverRequestsAndEveryFieldInItsPlace) {
    EXPECT_EQ(CtlCode(0x80FF, 1, 0, 0), 0x80FF0004u);
    EXPECT_EQ(CtlCode(0x80FF, 2, 0, 0), 0x80FF0008u);
    EXPECT_EQ(CtlCode(0x80FF, 3, 0, 0), 0x80FF000Cu);
    EXPECT_EQ(CtlCode(0x80FF, 4, 0, 0), 0x80FF0010u);
    // Method in bits 0-1, function in 2-13, access in 14-15, type above.
    EXPECT_EQ(CtlCode(0x22, 0x800, 3, 2), 0x0022A003u);
    EXPECT_EQ(CtlCode(0xFFFF, 0xFFF, 3, 3), 0xFFFFFFFFu);
}

std::vector<unsigned char> Bytes(const PortRequest& request) {
    std::vector<unsigned char> bytes(sizeof request);
    std::memcpy(bytes.data(), &request, sizeof request);
    return bytes;
}

TEST(PortRequestTest, IsThreeLittleEndianWordsWithNothingBetween) {
    EXPECT_EQ(Bytes({0x37C, SizeWord, 0}),
              (std::vector<unsigned char>{0x7C, 0x03, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes({0xFFFF, SizeDword, 0x89ABCDEF}),
              (std::vector<unsigned char>{0xFF, 0xFF, 0, 0, 2, 0, 0, 0, 0xEF, 0xCD, 0xAB, 0x89}));
}

TEST(DriverPathTest, ProgramDirectoryOneSeparatorAndTheFileName) {
    EXPECT_EQ(DriverPath("C:\\Program Files\\Flash\\flashdiag.exe"), "C:\\Program Files\\Flash\\zlportio.sys");
    EXPECT_EQ(DriverPath("\\\\server\\share\\flashdiag.exe"), "\\\\server\\share\\zlportio.sys");
    EXPECT_EQ(DriverPath("C:/tools/flashdiag.exe"), "C:/tools\\zlportio.sys");
    EXPECT_EQ(DriverPath("C:\\tools\\\\flashdiag.exe"), "C:\\tools\\zlportio.sys");
}

TEST(DriverPathTest, DriveRootGivesASingleSeparator) {
    EXPECT_EQ(DriverPath("C:\\flashdiag.exe"), "C:\\zlportio.sys");
    EXPECT_EQ(DriverPath("\\flashdiag.exe"), "\\zlportio.sys");
    EXPECT_EQ(DriverPath("flashdiag.exe"), "zlportio.sys");
    EXPECT_EQ(DriverPath(""), "zlportio.sys");
}

TEST(DriverPathTest, IsCutAt255Characters) {
    // Directory of 242 characters: the full path is exactly 255.
    const std::string fits = "C:\\" + std::string(239, 'd');
    EXPECT_EQ(DriverPath(fits + "\\flashdiag.exe"), fits + "\\zlportio.sys");
    EXPECT_EQ(DriverPath(fits + "\\flashdiag.exe").size(), 255u);

    const std::string longer = "C:\\" + std::string(250, 'd');
    const std::string path = DriverPath(longer + "\\flashdiag.exe");
    EXPECT_EQ(path, (longer + "\\zlportio.sys").substr(0, 255));
    EXPECT_EQ(DriverPath("C:\\" + std::string(5000, 'd') + "\\x.exe"), ("C:\\" + std::string(5000, 'd')).substr(0, 255));
}

}  // namespace
}  // namespace portio
