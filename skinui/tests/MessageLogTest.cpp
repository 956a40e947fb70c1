// The message log's recording and its comparison with expected sequences:
// a comparison that let a wrong sequence pass would make every window test
// built on it worthless.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinui/tests/MessageLog.h"

namespace skinui::test {
namespace {

// A press and a release on the caption (2), the press answered by the
// default window procedure, which sent a system command from inside it,
// then a marker.
MessageLog PressAndRelease() {
    MessageLog log;
    log.AddWindow("form");
    log.Enter(0, wm::kNcLButtonDown, 2);
    log.DefaultReached(0, wm::kNcLButtonDown);
    log.Enter(0, wm::kSysCommand, 0xF012);
    log.Leave();
    log.Leave();
    log.Enter(0, wm::kNcLButtonUp, 2);
    log.Leave();
    log.Mark("released");
    return log;
}

TEST(MessageLogTest, RecordsOrderNestingAndTheDefaultProceduresCalls) {
    MessageLog log = PressAndRelease();
    ASSERT_EQ(log.Entries().size(), 4u);
    const LoggedMessage& press = log.Entries()[0];
    EXPECT_EQ(press.message, wm::kNcLButtonDown);
    EXPECT_TRUE(press.reachedDefault);
    EXPECT_EQ(press.depth, 0);
    EXPECT_EQ(log.Entries()[1].depth, 1);
    EXPECT_FALSE(log.Entries()[1].reachedDefault);
    EXPECT_FALSE(log.Entries()[2].reachedDefault);
    EXPECT_EQ(log.Entries()[3].text, "released");

    // A default call counts for the innermost open message of its window
    // only when it is that message (a handler calling the procedure for
    // another one directly is not the window's message reaching it).
    MessageLog two;
    two.AddWindow("form");
    two.AddWindow("bar");
    two.Enter(0, wm::kPaint, 0);
    two.Enter(1, wm::kPaint, 0);
    two.DefaultReached(0, wm::kPaint);
    two.DefaultReached(1, wm::kEraseBkgnd);
    two.Leave();
    two.Leave();
    EXPECT_TRUE(two.Entries()[0].reachedDefault);
    EXPECT_FALSE(two.Entries()[1].reachedDefault);

    // A filtered log keeps the nesting of what it leaves out.
    MessageLog only;
    only.Only({wm::kClose});
    only.Enter(0, wm::kNcLButtonUp, 0);
    only.Enter(0, wm::kClose, 0);
    only.Leave();
    only.Leave();
    ASSERT_EQ(only.Entries().size(), 1u);
    EXPECT_EQ(only.Entries()[0].depth, 1);
}

TEST(MessageLogTest, AMatchingSequencePassesWithWildcardsOptionalAndPlatformEntries) {
    const MessageLog log = PressAndRelease();
    constexpr ExpectedMessage kExact[] = {
        {wm::kNcLButtonDown, 2, kDefault | kOutermost},
        {wm::kSysCommand, 0xF012, kNested},
        {wm::kNcLButtonUp, 2, kNotDefault},
        Marker("released"),
    };
    EXPECT_EQ(CompareSequence(log, kExact, "exact"), "");
    constexpr ExpectedMessage kLoose[] = {
        {wm::kNcLButtonDown},
        {wm::kCaptureChanged, kAnyParam, kOptional},
        {wm::kSysCommand},
        {wm::kNcLButtonUp, kAnyParam, kWineOnly},
        {wm::kNcLButtonUp, kAnyParam, kWindowsOnly},
        Marker("released"),
        {wm::kClose, kAnyParam, kOptional},
    };
    EXPECT_EQ(CompareSequence(log, kLoose, "loose"), "");
    MessageLog wine = PressAndRelease();
    wine.SetOnWine(true);
    EXPECT_EQ(CompareSequence(wine, kLoose, "loose under Wine"), "");
}

TEST(MessageLogTest, EachKindOfDifferenceFailsWithItsReason) {
    const MessageLog log = PressAndRelease();
    struct Case {
        const char* name;
        std::vector<ExpectedMessage> sequence;
        const char* reason;
    };
    const ExpectedMessage press{wm::kNcLButtonDown, 2};
    const ExpectedMessage command{wm::kSysCommand};
    const ExpectedMessage release{wm::kNcLButtonUp, 2};
    const ExpectedMessage marker = Marker("released");
    const Case cases[] = {
        {"another message", {{wm::kNcLButtonUp}, command, release, marker}, "another message"},
        {"another wParam", {{wm::kNcLButtonDown, 17}, command, release, marker}, "another wParam"},
        {"another window", {{wm::kNcLButtonDown, 2, 0, 1}, command, release, marker}, "another window"},
        {"default demanded", {press, command, {wm::kNcLButtonUp, 2, kDefault}, marker},
         "it did not reach the default window procedure"},
        {"default refused", {{wm::kNcLButtonDown, 2, kNotDefault}, command, release, marker},
         "it reached the default window procedure"},
        {"nested demanded", {press, command, {wm::kNcLButtonUp, 2, kNested}, marker},
         "it was not nested in another message"},
        {"outermost demanded", {press, {wm::kSysCommand, kAnyParam, kOutermost}, release, marker},
         "it was nested in another message"},
        {"another marker", {press, command, release, Marker("pressed")}, "another marker"},
        {"one missing", {press, release, marker}, "another message"},
        {"one more expected", {press, command, release, marker, {wm::kClose}}, "the log ended"},
        {"one more recorded", {press, command, release}, "more was recorded than expected"},
        {"only the other platform's", {press, {wm::kSysCommand, kAnyParam, kWineOnly}, release, marker},
         "another message"},
    };
    for (const Case& c : cases) {
        const std::string text = CompareSequence(log, c.sequence, c.name);
        EXPECT_NE(text.find(c.reason), std::string::npos) << c.name << ":\n" << text;
        EXPECT_NE(text.find(std::string("'") + c.name + "'"), std::string::npos) << c.name;
    }
}

TEST(MessageLogTest, AMismatchFailsTheTestAndPrintsBothSequencesByName) {
    const MessageLog log = PressAndRelease();
    constexpr ExpectedMessage kFramesOwn[] = {
        {wm::kNcLButtonDown, 2, kNotDefault},
        {wm::kNcLButtonUp, 2, kNotDefault},
        Marker("released"),
    };
    const std::string text = CompareSequence(log, kFramesOwn, "caption press");
    EXPECT_NE(text.find("differs at expected entry 0, recorded entry 0: it reached the default window procedure"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  > 0  WM_NCLBUTTONDOWN 2, not default\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  > 0  WM_NCLBUTTONDOWN 2, default\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    1    WM_SYSCOMMAND 0xF012\n"), std::string::npos) << text;  // indented: nested
    EXPECT_NE(text.find("-- released --"), std::string::npos) << text;
    EXPECT_EQ(MessageName(0x046F), "0x046F");
    EXPECT_EQ(MessageName(wm::kApp + 2), "WM_APP+2");

    EXPECT_NONFATAL_FAILURE(ExpectSequence(log, kFramesOwn, "caption press"), "message sequence of 'caption press'");
}

}  // namespace
}  // namespace skinui::test
