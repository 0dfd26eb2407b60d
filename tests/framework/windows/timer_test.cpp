#include "framework/files/exception.h"
#include "framework/windows/timer.h"

#include "support/fixtures.h"
#include "support/manualtickers.h"

#include <QTest>

#include <memory>
#include <vector>

namespace pellax {
namespace {

using Timer = test::AppTest;

TEST_F(Timer, TicksOnlyWhenEnabledWithAPeriodAndAHandler) {
    TComponent owner;
    TTimer& timer = owner.make<TTimer>(QStringLiteral("Timer1"));
    int ticks = 0;
    test::clock().advance(5000);
    timer.SetInterval(10);
    timer.SetOnTimer([&] { ++ticks; });
    test::clock().advance(35);
    EXPECT_EQ(ticks, 3);
    timer.SetInterval(0);
    test::clock().advance(100);
    timer.SetInterval(10);
    timer.SetEnabled(false);
    test::clock().advance(100);
    EXPECT_EQ(ticks, 3);
}

TEST_F(Timer, AFailingHandlerIsReportedAndTheTimerGoesOn) {
    TComponent owner;
    TTimer& timer = owner.make<TTimer>();
    int ticks = 0;
    timer.SetInterval(10);
    timer.SetOnTimer([&] {
        if (++ticks == 1)
            throw Exception(QStringLiteral("Broken"));
    });
    test::clock().advance(20);
    EXPECT_EQ(ticks, 2);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Broken."));
}

TEST_F(Timer, ParkedTimerCountsThePeriodsAndGoesOnInPhase) {
    TComponent owner;
    TTimer& timer = owner.make<TTimer>();
    std::vector<long long> caughtUp;
    int ticks = 0;
    timer.SetInterval(10);
    timer.SetOnTimer([&] { ++ticks; });
    timer.SetOnCatchUp([&](long long periods) { caughtUp.push_back(periods); });
    test::clock().advance(4);
    timer.SetParked(true);
    test::clock().advance(33);
    EXPECT_EQ(ticks, 0);
    timer.CatchUp();
    test::clock().advance(10);
    timer.SetParked(false);  // 47 ms in all: 4 periods, 7 ms into the fifth
    EXPECT_EQ(caughtUp, (std::vector<long long>{3, 1}));
    test::clock().advance(2);
    EXPECT_EQ(ticks, 0);
    test::clock().advance(1);
    EXPECT_EQ(ticks, 1);

    // Without a catch-up handler the timer's own handler makes up the ticks.
    TTimer& plain = owner.make<TTimer>();
    int plainTicks = 0;
    plain.SetInterval(10);
    plain.SetOnTimer([&] { ++plainTicks; });
    plain.SetParked(true);
    test::clock().advance(95);
    plain.SetParked(false);
    EXPECT_EQ(plainTicks, 9);
}

TEST_F(Timer, QtTimersParkWithoutWakingAndCountWhatPassed) {
    QtTickerSource source;
    int ticks = 0;
    const std::unique_ptr<Ticker> ticker = source.create([&] { ++ticks; });
    ticker->setInterval(20);
    ticker->setEnabled(true);
    ticker->setParked(true);
    QTest::qWait(150);
    EXPECT_EQ(ticks, 0);
    EXPECT_GE(ticker->takeMissed(), 7);
    ticker->setParked(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 2000));
}

}  // namespace
}  // namespace pellax
