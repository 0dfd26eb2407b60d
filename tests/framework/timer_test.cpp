#include "framework/exception.h"
#include "framework/timer.h"

#include "support/fixtures.h"
#include "support/manualtickers.h"

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

}  // namespace
}  // namespace pellax
