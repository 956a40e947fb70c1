// The service helpers against the played system: exact calls, in order.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingWinApi.h"
#include "portio/ddkint.h"

namespace portio {
namespace {

using Calls = std::vector<std::string>;

class DdkintTest : public ::testing::Test {
protected:
    test::RecordingWinApi api;
};

TEST_F(DdkintTest, InstallRegistersADemandStartKernelDriverAndClosesBothHandles) {
    EXPECT_EQ(ServiceInstall("C:\\Flash\\zlportio.sys", "zlportio", api), 0u);
    EXPECT_EQ(api.calls, (Calls{
        "OpenSCManagerA(null, null, F003F) = M1",
        "CreateServiceA(M1, zlportio, zlportio, F01FF, 1, 3, 1, C:\\Flash\\zlportio.sys, null, null, null, null, null) = S1",
        "CloseServiceHandle(S1)",
        "CloseServiceHandle(M1)",
    }));
    EXPECT_EQ(api.services.at("zlportio").imagePath, "C:\\Flash\\zlportio.sys");
}

TEST_F(DdkintTest, InstallOverAnExistingServiceGivesServiceExistsAndClosesTheManager) {
    api.services["zlportio"] = {"D:\\old\\zlportio.sys"};
    EXPECT_EQ(ServiceInstall("C:\\Flash\\zlportio.sys", "zlportio", api), 1073u);
    EXPECT_EQ(api.calls, (Calls{
        "OpenSCManagerA(null, null, F003F) = M1",
        "CreateServiceA(M1, zlportio, zlportio, F01FF, 1, 3, 1, C:\\Flash\\zlportio.sys, null, null, null, null, null) = null",
        "GetLastError() = 1073",
        "CloseServiceHandle(M1)",
    }));
    EXPECT_EQ(api.services.at("zlportio").imagePath, "D:\\old\\zlportio.sys");
}

TEST_F(DdkintTest, StartOpensWithStartRightAndPassesAnEmptyArgumentVector) {
    api.services["zlportio"] = {"C:\\zlportio.sys"};
    EXPECT_EQ(ServiceStart("zlportio", api), 0u);
    EXPECT_EQ(api.calls, (Calls{
        "OpenSCManagerA(null, null, 1) = M1",
        "OpenServiceA(M1, zlportio, 10) = S1",
        "StartServiceA(S1, 0, [null]) = 1",
        "CloseServiceHandle(S1)",
        "CloseServiceHandle(M1)",
    }));
    EXPECT_TRUE(api.services.at("zlportio").running);

    api.ClearCalls();
    EXPECT_EQ(ServiceStart("zlportio", api), 1056u);  // already running
    EXPECT_EQ(api.calls, (Calls{
        "OpenSCManagerA(null, null, 1) = M2",
        "OpenServiceA(M2, zlportio, 10) = S2",
        "StartServiceA(S2, 0, [null]) = 0",
        "GetLastError() = 1056",
        "CloseServiceHandle(S2)",
        "CloseServiceHandle(M2)",
    }));
}

TEST_F(DdkintTest, StopSendsTheStopControlAndReturnsTheRefusal) {
    api.services["zlportio"] = {"C:\\zlportio.sys", true};
    EXPECT_EQ(ServiceStop("zlportio", api), 0u);
    EXPECT_EQ(api.calls, (Calls{
        "OpenSCManagerA(null, null, 1) = M1",
        "OpenServiceA(M1, zlportio, 20) = S1",
        "ControlService(S1, 1, status) = 1",
        "CloseServiceHandle(S1)",
        "CloseServiceHandle(M1)",
    }));
    EXPECT_FALSE(api.services.at("zlportio").running);

    EXPECT_EQ(ServiceStop("zlportio", api), 1062u);  // not running
    EXPECT_TRUE(api.OpenHandles().empty());
}

TEST_F(DdkintTest, RemoveDeletesWithAllAccess) {
    api.services["zlportio"] = {"C:\\zlportio.sys"};
    EXPECT_EQ(ServiceRemove("zlportio", api), 0u);
    EXPECT_EQ(api.calls, (Calls{
        "OpenSCManagerA(null, null, F003F) = M1",
        "OpenServiceA(M1, zlportio, F01FF) = S1",
        "DeleteService(S1) = 1",
        "CloseServiceHandle(S1)",
        "CloseServiceHandle(M1)",
    }));
    EXPECT_TRUE(api.services.empty());

    api.failures["DeleteService"] = ERROR_ACCESS_DENIED;
    api.services["zlportio"] = {"C:\\zlportio.sys"};
    EXPECT_EQ(ServiceRemove("zlportio", api), 5u);
    EXPECT_TRUE(api.OpenHandles().empty());
}

// The error is read before anything else is called, and the manager is
// still closed.
TEST_F(DdkintTest, StopAndRemoveOfAMissingServiceGiveDoesNotExistAndCloseTheManager) {
    EXPECT_EQ(ServiceStop("zlportio", api), 1060u);
    EXPECT_EQ(ServiceRemove("zlportio", api), 1060u);
    EXPECT_EQ(api.calls, test::MissingServiceStopAndRemove("zlportio"));
}

TEST_F(DdkintTest, RefusedManagerEndsEveryOperationWithAccessDenied) {
    api.failures["OpenSCManagerA"] = ERROR_ACCESS_DENIED;
    api.services["zlportio"] = {"C:\\zlportio.sys", true};
    EXPECT_EQ(ServiceInstall("C:\\zlportio.sys", "zlportio", api), 5u);
    EXPECT_EQ(ServiceStart("zlportio", api), 5u);
    EXPECT_EQ(ServiceStop("zlportio", api), 5u);
    EXPECT_EQ(ServiceRemove("zlportio", api), 5u);
    EXPECT_EQ(api.calls, (Calls{
        "OpenSCManagerA(null, null, F003F) = null", "GetLastError() = 5",
        "OpenSCManagerA(null, null, 1) = null", "GetLastError() = 5",
        "OpenSCManagerA(null, null, 1) = null", "GetLastError() = 5",
        "OpenSCManagerA(null, null, F003F) = null", "GetLastError() = 5",
    }));
}

TEST_F(DdkintTest, ErrorTextAsksTheSystemWithoutInsertsAndKeepsTheTextWhole) {
    api.messageTexts[1060] = "The specified service does not exist as an installed service.\r\n";
    EXPECT_EQ(SystemErrorText(1060, api), "The specified service does not exist as an installed service.\r\n");
    EXPECT_EQ(SystemErrorText(12345, api), "");
    EXPECT_EQ(api.calls, (Calls{
        "FormatMessageA(1200, null, 1060, 0, buffer, 199, null) = 63",
        "FormatMessageA(1200, null, 12345, 0, buffer, 199, null) = 0",
    }));
}

}  // namespace
}  // namespace portio
