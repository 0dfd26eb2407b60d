// The manual page says what --help says: both are made from the table of
// commands, the page once into data/, which must not fall behind it.
#include "tool/toolhelp.h"

#include <QFile>

#include <gtest/gtest.h>

namespace pellax {
namespace {

const QString kPage = QStringLiteral(PELLAX_SOURCE_DIR "/data/man/pellax-tool.1");

// PELLAX_WRITE_MANUAL=1 writes the page anew instead, after a change of the table.
TEST(ManualPage, IsTheHelpOfTheTableOfCommands) {
    const QByteArray made = manualPage().toUtf8();
    QFile file(kPage);
    if (qEnvironmentVariableIsSet("PELLAX_WRITE_MANUAL")) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(made);
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), made) << "data/man/pellax-tool.1 is not what --help says; write it anew with "
                                       "PELLAX_WRITE_MANUAL=1 pellax_tool_core_tests --gtest_filter=ManualPage.*";
}

}  // namespace
}  // namespace pellax
