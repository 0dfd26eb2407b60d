#include "framework/files/exception.h"
#include "framework/windows/tickschedule.h"
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

// The rule a late tick follows, in milliseconds: a tick stands for every
// period that ended since the last, an early one for the period about to end,
// and the next is always due at the end of a period, never a period after the
// tick.
TEST(TickSchedule, LateTicksStandForThePeriodsTheySkipped) {
    TickSchedule s;
    s.restart(1000, 20);
    EXPECT_EQ(s.untilNext(1000), 20);
    EXPECT_EQ(s.tick(1020), 1);  // on time
    EXPECT_EQ(s.tick(1107), 4);  // 67 ms late: 1040, 1060, 1080 and 1100 ended
    EXPECT_EQ(s.untilNext(1107), 13);
    EXPECT_EQ(s.tick(1119), 1);  // a moment early: 1120's period
    EXPECT_EQ(s.untilNext(1119), 21);
    EXPECT_EQ(s.tick(1140), 1);
    // Over any run of ticks, one per period: 1000 to 2000 is 50 periods.
    long long periods = 7 + s.tick(1555) + s.tick(1560) + s.tick(1999);
    EXPECT_EQ(periods, 49);
    EXPECT_EQ(s.tick(2000), 1);

    // Counting while nothing ticks keeps the part of a period left over.
    s.restart(0, 30, 25);
    EXPECT_EQ(s.take(4), 0);
    EXPECT_EQ(s.take(5), 1);
    EXPECT_EQ(s.take(94), 2);
    EXPECT_EQ(s.untilNext(94), 1);

    TickSchedule off;
    off.restart(0, 0);
    EXPECT_EQ(off.tick(500), 0);
    EXPECT_EQ(off.take(500), 0);
}

TEST_F(Timer, ALateTickMakesUpTheSkippedPeriodsWhereAsked) {
    TComponent owner;
    TTimer& timer = owner.make<TTimer>();
    std::vector<long long> late;
    int ticks = 0;
    timer.SetInterval(10);
    timer.SetOnTimer([&] { ++ticks; });
    timer.SetOnLate([&](long long periods) {
        EXPECT_EQ(ticks, 2);  // before the tick itself
        late.push_back(periods);
    });
    test::clock().advance(20);
    test::clock().late(47);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(late, (std::vector<long long>{3}));
    test::clock().advance(3);  // 67 ms in all: the late tick kept the phase
    EXPECT_EQ(ticks, 4);

    // Without OnLate the skipped periods are dropped.
    timer.SetEnabled(false);
    TTimer& plain = owner.make<TTimer>();
    int plainTicks = 0;
    plain.SetInterval(10);
    plain.SetOnTimer([&] { ++plainTicks; });
    test::clock().late(95);
    EXPECT_EQ(plainTicks, 1);
}

TEST_F(Timer, QtTimersParkWithoutWakingAndCountWhatPassed) {
    QtTickerSource source;
    int ticks = 0;
    const std::unique_ptr<Ticker> ticker = source.create([&](long long) { ++ticks; });
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
