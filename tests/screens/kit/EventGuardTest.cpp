#include "screens/kit/EventGuard.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "base/Faults.h"
#include "platform/Host.h"
#include "screens/kit/QtHost.h"

namespace {

class EventGuardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InstallMessageHandler([this](const std::string& text) { messages.push_back(text); });
        InstallEndHandler([this](int status) { endStatuses.push_back(status); });
    }
    void TearDown() override {
        InstallMessageHandler({});
        InstallEndHandler({});
    }

    std::vector<std::string> messages;
    std::vector<int> endStatuses;
};

struct Fault {
    const char* name;
    std::function<void()> event;
    const char* message;
};

class EventGuardFaultTest : public EventGuardTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(EventGuardFaultTest, AFaultShowsItsMessageEndsTheProgramWithStatus1AndStopsTheEvent) {
    bool finished = false;
    const bool completed = Guarded([&] {
        GetParam().event();
        finished = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(finished);
    EXPECT_EQ(messages, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(endStatuses, std::vector<int>{1});
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfFault, EventGuardFaultTest,
    ::testing::Values(
        Fault{"ProgramStop", [] { throw ProgramStop("AWNING CAN'T EXTEND BELOW"); },
              "AWNING CAN'T EXTEND BELOW"},
        Fault{"UnexpectedError", [] { throw UnexpectedError("Cannot open file \"x\""); },
              "Cannot open file \"x\""},
        Fault{"StandardException", [] { throw std::out_of_range("index 7"); }, "index 7"},
        Fault{"AnythingElse", [] { throw 42; }, "An unexpected error occurred."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventGuardTest, AnEventThatEndsWellShowsNothing) {
    EXPECT_TRUE(Guarded([] {}));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(endStatuses.empty());
}

TEST_F(EventGuardTest, ANestedFaultIsReportedOnceAndTheOuterEventGoesOn) {
    bool outerFinished = false;
    const bool completed = Guarded([&] {
        EXPECT_FALSE(Guarded([] { throw UnexpectedError("inner"); }));
        outerFinished = true;
    });
    EXPECT_TRUE(completed);
    EXPECT_TRUE(outerFinished);
    EXPECT_EQ(messages, std::vector<std::string>{"inner"});
    EXPECT_EQ(endStatuses, std::vector<int>{1});
}

// The windowed program's exit status is what its event loop returns.
TEST(QtHostTest, AFaultEndsTheEventLoopWithAFailureStatus) {
    InstallQtHost();
    InstallMessageHandler([](const std::string&) {});
    QWidget screen;
    screen.show();
    QTimer::singleShot(0, [] { Guarded([] { throw UnexpectedError("Cannot open file"); }); });
    const int status = QApplication::exec();
    InstallMessageHandler({});
    InstallEndHandler({});
    QGuiApplication::setQuitOnLastWindowClosed(true);
    EXPECT_EQ(status, 1);
}

}  // namespace
