// The service helpers and the port layer's start-up against the system's
// own service manager (Wine's, on the test machines). Calls are recorded on
// their way through, so the handles closed can be checked here as well.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingWinApi.h"
#include "portio/PlatformPort.h"
#include "portio/ddkint.h"
#include "portio/zlportio.h"

namespace portio {
namespace {

using Calls = std::vector<std::string>;

constexpr char kNoSuchService[] = "flashdiag-test-no-such-service";

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    return path;
}

TEST(ServiceManagerTest, StopAndRemoveOfAMissingServiceGiveDoesNotExistAndCloseTheManager) {
    test::RecordingWinApi api(&SystemWinApi());
    EXPECT_EQ(ServiceStop(kNoSuchService, api), 1060u);
    EXPECT_EQ(ServiceRemove(kNoSuchService, api), 1060u);
    EXPECT_EQ(api.calls, test::MissingServiceStopAndRemove(kNoSuchService));
    EXPECT_TRUE(api.OpenHandles().empty());
}

TEST(ServiceManagerTest, ServiceLifeCycleReturnsTheSystemsCodes) {
    constexpr char name[] = "flashdiag-test-driver";
    ServiceRemove(name);  // a leftover of an interrupted run
    const std::string program = ProgramPath();
    const std::string image = program.substr(0, program.find_last_of('\\')) + "\\no-such-driver.sys";
    EXPECT_EQ(ServiceInstall(image.c_str(), name), 0u);
    EXPECT_EQ(ServiceInstall(image.c_str(), name), 1073u);
    EXPECT_NE(ServiceStart(name), 0u);  // the driver file is not there
    EXPECT_EQ(ServiceStop(name), 1062u);  // so it is not running
    EXPECT_EQ(ServiceRemove(name), 0u);
    EXPECT_EQ(ServiceRemove(name), 1060u);
}

TEST(ServiceManagerTest, ErrorTextIsTheSystemsWholeTextOrEmpty) {
    char direct[200] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 0, 0, direct, 199, nullptr);
    const std::string success = SystemErrorText(0);
    EXPECT_FALSE(success.empty());
    EXPECT_EQ(success, direct);
    EXPECT_EQ(success.substr(success.size() - 2), "\r\n");  // nothing removed
    EXPECT_FALSE(SystemErrorText(1060).empty());
    EXPECT_EQ(SystemErrorText(0x2000FFFF), "");  // an application's code: the system has no text
}

// ERROR_BAD_EXE_FORMAT's text has an insert and there are no arguments for
// it: the text comes back with the insert as it stands.
TEST(ServiceManagerTest, ErrorTextWithAnInsertKeepsThePlaceholder) {
    EXPECT_NE(SystemErrorText(ERROR_BAD_EXE_FORMAT).find("%1"), std::string::npos);
}

// The driver file is not next to the test program: the layer tries the
// whole install and ends not ready. Only the start's error code is the
// system's own choice (Wine says 1114, Windows "file not found").
TEST(ServiceManagerTest, MissingDriverFileLeavesTheDriverNotReady) {
    // Any earlier failed start in this prefix (another test, a program run)
    // left the service registered; the sequence below starts from none.
    ServiceRemove("zlportio");
    test::RecordingWinApi api(&SystemWinApi());
    ZlPortIo layer(api);
    layer.Start();
    EXPECT_EQ(ServiceRemove("zlportio"), 0u);  // the failed start leaves the service registered

    EXPECT_FALSE(layer.Ready());
    EXPECT_FALSE(layer.DirectAccess());
    const std::string program = ProgramPath();
    const std::string driver = program.substr(0, program.find_last_of('\\')) + "\\zlportio.sys";
    ASSERT_EQ(api.calls.size(), 23u);
    EXPECT_NE(api.calls[20], "GetLastError() = 0");
    api.calls[20] = "GetLastError() = start error";
    EXPECT_EQ(api.calls, test::Sequence({{
        "GetVersionExA(size 148) = platform 2",
        "CreateFileA(\\\\.\\ZLPORTIO, C0000000, 0, null, 3, 80, null) = invalid",
        "GetLastError() = 2",
        "CloseHandle(invalid)",
    }, test::MissingServiceStopAndRemove("zlportio"), {
        "GetModuleFileNameA(null, buffer, 1023) = " + std::to_string(program.size()),
        "OpenSCManagerA(null, null, F003F) = M3",
        "CreateServiceA(M3, zlportio, zlportio, F01FF, 1, 3, 1, " + driver + ", null, null, null, null, null) = S1",
        "CloseServiceHandle(S1)",
        "CloseServiceHandle(M3)",
        "OpenSCManagerA(null, null, 1) = M4",
        "OpenServiceA(M4, zlportio, 10) = S2",
        "StartServiceA(S2, 0, [null]) = 0",
        "GetLastError() = start error",
        "CloseServiceHandle(S2)",
        "CloseServiceHandle(M4)",
    }}));
    EXPECT_TRUE(api.OpenHandles().empty());

    api.ClearCalls();
    layer.WriteByte(0x37A, 1);
    layer.SetDirectAccess(true);
    layer.Shutdown();
    EXPECT_TRUE(api.calls.empty());
}

TEST(ServiceManagerTest, PlatformLayerStartsOnceAndReportsTheDriverNotReady) {
    ASSERT_TRUE(HasPlatformPortLayer());
    PortBackend* layer = StartPlatformPortLayer();
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(StartPlatformPortLayer(), layer);
    // Stop here if the driver were ready (or the platform 9x): a read would
    // then run a real port instruction.
    ASSERT_FALSE(layer->Ready());
    EXPECT_EQ(layer->ReadByte(0x379), 0xFF);
    ShutdownPlatformPortLayer();
    // Start-up found no service and left the one it registered; nothing else does.
    EXPECT_EQ(ServiceRemove("zlportio"), 0u);
}

}  // namespace
}  // namespace portio
