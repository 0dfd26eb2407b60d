#include "framework/widgets/updown.h"

#include <QLineEdit>

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

TEST(UpDownStep, ClampsOrWrapsAtTheEnds) {
    EXPECT_EQ(upDownStep(5, 1, 0, 100, false), 6);
    EXPECT_EQ(upDownStep(100, 1, 0, 100, false), 100);
    EXPECT_EQ(upDownStep(0, -1, 0, 100, false), 0);
    EXPECT_EQ(upDownStep(100, 1, 0, 100, true), 0);
    EXPECT_EQ(upDownStep(0, -1, 0, 100, true), 100);
    EXPECT_EQ(upDownStep(4294967295LL, 1, 0, 4294967295LL, false), 4294967295LL);
    EXPECT_EQ(upDownStep(500, 1, 0, 100, false), 100);  // a value beyond the range comes back into it
}

TEST(UpDown, StepsFromTheEditsTextAndRewritesIt) {
    QWidget parent;
    QLineEdit edit(&parent);
    TUpDown upDown(&parent);
    upDown.SetAssociate(&edit);
    upDown.Max = 1000;
    edit.setText(QStringLiteral("41"));
    upDown.Step(+1);
    EXPECT_EQ(edit.text(), QStringLiteral("42"));
    edit.setText(QStringLiteral("not a number"));
    upDown.Step(-1);
    EXPECT_EQ(edit.text(), QStringLiteral("41"));  // from the last position
    upDown.setEnabled(false);
    upDown.Step(+1);
    EXPECT_EQ(edit.text(), QStringLiteral("41"));
}

}  // namespace
}  // namespace pellax
