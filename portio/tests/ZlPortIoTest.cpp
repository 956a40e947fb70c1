// The Windows port layer against the played system: start-up on both
// families, the driver's request path, direct access and shutdown.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingWinApi.h"
#include "portio/zlportio.h"

namespace portio {
namespace {

using Calls = std::vector<std::string>;

const std::string kOpenDevice = "CreateFileA(\\\\.\\ZLPORTIO, C0000000, 0, null, 3, 80, null) = ";
const std::string kNtVersion = "GetVersionExA(size 148) = platform 2";

Calls operator+(Calls first, const Calls& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// What the driver's shutdown sends for a stopped-or-running service that exists.
Calls StopAndRemove(const std::string& device, int manager, int service, bool wasRunning) {
    const std::string m1 = "M" + std::to_string(manager), m2 = "M" + std::to_string(manager + 1);
    const std::string s1 = "S" + std::to_string(service), s2 = "S" + std::to_string(service + 1);
    Calls stop{"CloseHandle(" + device + ")", "OpenSCManagerA(null, null, 1) = " + m1,
               "OpenServiceA(" + m1 + ", zlportio, 20) = " + s1};
    if (wasRunning) {
        stop.push_back("ControlService(" + s1 + ", 1, status) = 1");
    } else {
        stop.push_back("ControlService(" + s1 + ", 1, status) = 0");
        stop.push_back("GetLastError() = 1062");
    }
    return stop + Calls{"CloseServiceHandle(" + s1 + ")", "CloseServiceHandle(" + m1 + ")",
                        "OpenSCManagerA(null, null, F003F) = " + m2,
                        "OpenServiceA(" + m2 + ", zlportio, F01FF) = " + s2, "DeleteService(" + s2 + ") = 1",
                        "CloseServiceHandle(" + s2 + ")", "CloseServiceHandle(" + m2 + ")"};
}

std::size_t CountOf(const Calls& calls, const std::string& prefix) {
    return std::count_if(calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
}

class ZlPortIoTest : public ::testing::Test {
protected:
    // The driver is installed and running: the device opens at once.
    void StartWithDeviceOpen() {
        api.services["zlportio"] = {"C:\\Flash Tools\\zlportio.sys", true};
        layer.Start();
        ASSERT_TRUE(layer.Ready());
        api.ClearCalls();
    }

    test::RecordingWinApi api;
    ZlPortIo layer{api};
};

class NineXFamilyTest : public ZlPortIoTest, public ::testing::WithParamInterface<DWORD> {};

TEST_P(NineXFamilyTest, UsesPortInstructionsAndNeverTouchesDeviceOrService) {
    api.platformId = GetParam();
    api.readValues = {0x5A, 0xBEEF, 0x12345678};
    layer.Start();
    EXPECT_TRUE(layer.Ready());
    EXPECT_TRUE(layer.DirectAccess());
    EXPECT_FALSE(layer.NtFamily());

    layer.WriteByte(0x37A, 0x04);
    EXPECT_EQ(layer.ReadByte(0x379), 0x5A);
    EXPECT_EQ(layer.ReadWord(0x37C), 0xBEEF);
    EXPECT_EQ(layer.PortRead(0x37C, SizeDword), 0x12345678u);
    layer.PortWrite(0x37B, SizeWord, 0xFFFF1234);
    layer.PortWrite(0x37B, SizeDword, 0x89ABCDEF);
    layer.PortWrite(0x37B, 3, 1);                           // no such size: nothing
    EXPECT_EQ(layer.PortRead(0x37C, 7), 0xFFFFFFFFu);      // nor here
    layer.SetDirectAccess(false);                           // the 9x family has no driver to ask
    EXPECT_TRUE(layer.DirectAccess());
    layer.Shutdown();

    EXPECT_EQ(api.calls, (Calls{
        "GetVersionExA(size 148) = platform " + std::to_string(GetParam()),
        "OutByte(037A, 04)",
        "InByte(0379) = 5A",
        "InWord(037C) = BEEF",
        "InDword(037C) = 12345678",
        "OutWord(037B, 1234)",
        "OutDword(037B, 89ABCDEF)",
    }));
    EXPECT_EQ(layer.IoctlReadPort(), 0x80FF0004u);  // computed on both families
}

INSTANTIATE_TEST_SUITE_P(AnyIdButTwo, NineXFamilyTest, ::testing::Values(0u, 1u, 3u));

TEST_F(ZlPortIoTest, FailedVersionQueryCountsAsNtFamilySoNoInstructionRunsUnasked) {
    api.platformId = 1;
    api.failures["GetVersionExA"] = ERROR_INVALID_PARAMETER;
    layer.Start();
    EXPECT_TRUE(layer.NtFamily());
    EXPECT_FALSE(layer.DirectAccess());
    EXPECT_EQ(api.calls[1], kOpenDevice + "invalid");
}

TEST_F(ZlPortIoTest, RunningDriverIsOpenedWithoutInstallingButStoppedAndRemovedAtExit) {
    api.services["zlportio"] = {"C:\\Flash Tools\\zlportio.sys", true};
    layer.Start();
    EXPECT_TRUE(layer.Ready());
    EXPECT_FALSE(layer.DirectAccess());
    layer.Shutdown();
    EXPECT_EQ(api.calls, (Calls{kNtVersion, kOpenDevice + "D1", "GetLastError() = 0"} +
                          StopAndRemove("D1", 1, 1, true)));
    EXPECT_TRUE(api.services.empty());
    EXPECT_TRUE(api.OpenHandles().empty());
}

TEST_F(ZlPortIoTest, AlreadyExistsFromTheOpenCountsAsOpen) {
    api.openErrors = {183};
    layer.Start();
    EXPECT_TRUE(layer.Ready());
    EXPECT_EQ(CountOf(api.calls, "OpenSCManagerA"), 0u);
}

TEST_F(ZlPortIoTest, DriverIsInstalledFromTheProgramDirectoryStartedAndOpenedAgain) {
    layer.Start();
    EXPECT_TRUE(layer.Ready());
    EXPECT_EQ(api.calls, test::Sequence({{
        kNtVersion,
        kOpenDevice + "invalid",
        "GetLastError() = 2",
        // a leftover service would be removed here
        "CloseHandle(invalid)",
    }, test::MissingServiceStopAndRemove("zlportio"), {
        "GetModuleFileNameA(null, buffer, 1023) = 28",
        "OpenSCManagerA(null, null, F003F) = M3",
        "CreateServiceA(M3, zlportio, zlportio, F01FF, 1, 3, 1, C:\\Flash Tools\\zlportio.sys, null, null, null, null, null) = S1",
        "CloseServiceHandle(S1)",
        "CloseServiceHandle(M3)",
        "OpenSCManagerA(null, null, 1) = M4",
        "OpenServiceA(M4, zlportio, 10) = S2",
        "StartServiceA(S2, 0, [null]) = 1",
        "CloseServiceHandle(S2)",
        "CloseServiceHandle(M4)",
        kOpenDevice + "D1",
        "GetLastError() = 0",
    }}));
    api.ClearCalls();
    layer.Shutdown();
    EXPECT_EQ(api.calls, StopAndRemove("D1", 5, 3, true));
    EXPECT_TRUE(api.services.empty());
}

TEST_F(ZlPortIoTest, LeftoverServiceIsStoppedAndRemovedBeforeTheNewInstall) {
    api.services["zlportio"] = {"D:\\old\\zlportio.sys", true};
    api.openErrors = {ERROR_SHARING_VIOLATION};  // someone else holds the device
    layer.Start();
    EXPECT_TRUE(layer.Ready());
    const Calls removal = StopAndRemove("invalid", 1, 1, true);
    ASSERT_GT(api.calls.size(), 3 + removal.size());
    EXPECT_EQ(Calls(api.calls.begin() + 3, api.calls.begin() + 3 + removal.size()), removal);
    EXPECT_EQ(api.services.at("zlportio").imagePath, "C:\\Flash Tools\\zlportio.sys");
}

TEST_F(ZlPortIoTest, FailedInstallIsIgnoredWhenTheExistingServiceStarts) {
    api.services["zlportio"] = {"D:\\old\\zlportio.sys"};
    api.failures["DeleteService"] = ERROR_SERVICE_MARKED_FOR_DELETE;
    layer.Start();
    EXPECT_TRUE(layer.Ready());
    EXPECT_EQ(CountOf(api.calls, "GetLastError() = 1073"), 1u);  // the install's
    EXPECT_EQ(CountOf(api.calls, "StartServiceA(S3, 0, [null]) = 1"), 1u);
    EXPECT_EQ(api.services.at("zlportio").imagePath, "D:\\old\\zlportio.sys");
}

TEST_F(ZlPortIoTest, FailedStartLeavesTheDriverNotReadyWithoutASecondOpen) {
    api.newServiceStartError = ERROR_FILE_NOT_FOUND;  // no driver file next to the program
    layer.Start();
    EXPECT_FALSE(layer.Ready());
    EXPECT_EQ(CountOf(api.calls, "CreateFileA"), 1u);
    EXPECT_EQ(api.calls.back(), "CloseServiceHandle(M4)");

    api.ClearCalls();
    layer.WriteByte(0x37A, 1);
    EXPECT_EQ(layer.ReadByte(0x379), 0xFF);
    layer.SetDirectAccess(true);
    layer.Shutdown();
    EXPECT_TRUE(api.calls.empty());
    EXPECT_FALSE(layer.DirectAccess());
}

// A run turns direct access on first and then makes its accesses: with the
// driver not ready none of them, of any size, reaches the system.
TEST_F(ZlPortIoTest, RunWithTheDriverNotReadyMakesNoInstructionAndNoRequest) {
    api.newServiceStartError = ERROR_FILE_NOT_FOUND;
    layer.Start();
    ASSERT_FALSE(layer.Ready());
    api.ClearCalls();
    layer.SetDirectAccess(true);
    layer.WriteByte(0x37A, 0x04);
    layer.PortWrite(0x37B, SizeWord, 0x1234);
    layer.PortWrite(0x37B, SizeDword, 0x89ABCDEF);
    EXPECT_EQ(layer.ReadByte(0x379), 0xFF);
    EXPECT_EQ(layer.ReadWord(0x37C), 0xFFFF);
    EXPECT_EQ(layer.PortRead(0x37C, SizeDword), 0xFFFFFFFFu);
    layer.Shutdown();
    EXPECT_TRUE(api.calls.empty());
}

TEST_F(ZlPortIoTest, AlreadyRunningServiceThatDoesNotOpenCountsAsFailure) {
    api.services["zlportio"] = {"D:\\old\\zlportio.sys", true};
    api.failures["ControlService"] = ERROR_INVALID_SERVICE_CONTROL;
    api.failures["DeleteService"] = ERROR_SERVICE_MARKED_FOR_DELETE;
    api.openErrors = {ERROR_SHARING_VIOLATION};
    layer.Start();
    EXPECT_FALSE(layer.Ready());
    EXPECT_EQ(CountOf(api.calls, "GetLastError() = 1056"), 1u);
    EXPECT_EQ(CountOf(api.calls, "CreateFileA"), 1u);
}

TEST_F(ZlPortIoTest, RefusedServiceManagerLeavesTheDriverNotReadyAndNothingIsAccessed) {
    api.failures["OpenSCManagerA"] = ERROR_ACCESS_DENIED;
    layer.Start();
    EXPECT_FALSE(layer.Ready());
    EXPECT_EQ(CountOf(api.calls, "GetLastError() = 5"), 4u);  // stop, remove, install, start
    EXPECT_EQ(CountOf(api.calls, "CreateServiceA"), 0u);

    api.ClearCalls();
    layer.WriteByte(0x37A, 1);
    EXPECT_EQ(layer.ReadWord(0x37C), 0xFFFF);
    layer.SetDirectAccess(true);
    EXPECT_FALSE(layer.DirectAccess());
    layer.Shutdown();
    EXPECT_TRUE(api.calls.empty());
}

TEST_F(ZlPortIoTest, DriveRootProgramGivesDriverPathWithOneSeparator) {
    api.programPath = "C:\\flashdiag.exe";
    layer.Start();
    EXPECT_EQ(api.services.at("zlportio").imagePath, "C:\\zlportio.sys");
}

TEST_F(ZlPortIoTest, DriverPathIsCutAt255Characters) {
    const std::string directory = "C:\\" + std::string(300, 'd');
    api.programPath = directory + "\\flashdiag.exe";
    layer.Start();
    EXPECT_EQ(api.services.at("zlportio").imagePath, directory.substr(0, 255));
}

TEST_F(ZlPortIoTest, RequestPathSendsOneRequestBlockPerAccess) {
    StartWithDeviceOpen();
    api.readValues = {0xABCD1234, 0x000000C7};
    EXPECT_EQ(layer.ReadWord(0x37C), 0x1234);  // the word is the low half of the output
    EXPECT_EQ(layer.ReadByte(0x379), 0xC7);
    layer.WriteByte(0x37A, 0x04);
    layer.PortWrite(0xFFFF, SizeDword, 0x89ABCDEF);
    EXPECT_EQ(api.calls, (Calls{
        "DeviceIoControl(D1, 80FF0004, [7C 03 00 00 01 00 00 00 00 00 00 00], 12, out, 4, count, null) = 1",
        "DeviceIoControl(D1, 80FF0004, [79 03 00 00 00 00 00 00 00 00 00 00], 12, out, 4, count, null) = 1",
        "DeviceIoControl(D1, 80FF0008, [7A 03 00 00 00 00 00 00 04 00 00 00], 12, null, 0, count, null) = 1",
        "DeviceIoControl(D1, 80FF0008, [FF FF 00 00 02 00 00 00 EF CD AB 89], 12, null, 0, count, null) = 1",
    }));
}

TEST_F(ZlPortIoTest, RefusedReadRequestGivesAllOnesNotStaleMemory) {
    StartWithDeviceOpen();
    api.failures["DeviceIoControl"] = ERROR_INVALID_FUNCTION;
    EXPECT_EQ(layer.ReadWord(0x37C), 0xFFFF);
    EXPECT_EQ(layer.ReadByte(0x379), 0xFF);
}

TEST_F(ZlPortIoTest, DirectAccessIsUsedEvenWhenTheDriverRefusesTheRequest) {
    StartWithDeviceOpen();
    api.failures["DeviceIoControl"] = ERROR_INVALID_FUNCTION;
    api.readValues = {0x1234};
    layer.SetDirectAccess(true);
    EXPECT_TRUE(layer.DirectAccess());
    layer.WriteByte(0x37A, 0x04);
    EXPECT_EQ(layer.ReadWord(0x37C), 0x1234);
    layer.SetDirectAccess(false);
    EXPECT_FALSE(layer.DirectAccess());
    layer.WriteByte(0x37A, 0x05);
    EXPECT_EQ(api.calls, (Calls{
        "DeviceIoControl(D1, 80FF000C, null, 0, null, 0, count, null) = 0",
        "OutByte(037A, 04)",
        "InWord(037C) = 1234",
        "DeviceIoControl(D1, 80FF0010, null, 0, null, 0, count, null) = 0",
        "DeviceIoControl(D1, 80FF0008, [7A 03 00 00 00 00 00 00 05 00 00 00], 12, null, 0, count, null) = 0",
    }));
}

TEST_F(ZlPortIoTest, NothingIsAccessedAfterShutdown) {
    StartWithDeviceOpen();
    layer.SetDirectAccess(true);
    layer.Shutdown();
    EXPECT_FALSE(layer.Ready());
    api.ClearCalls();
    layer.WriteByte(0x37A, 1);
    EXPECT_EQ(layer.ReadByte(0x379), 0xFF);
    layer.Shutdown();  // a second shutdown closes nothing twice
    EXPECT_TRUE(api.calls.empty());
}

}  // namespace
}  // namespace portio
