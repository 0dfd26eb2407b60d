#include "app/aboutform.h"
#include "app/firstrun.h"
#include "app/program.h"
#include "programfixture.h"
#include "framework/files/exception.h"
#include "framework/files/registry.h"
#include "framework/widgets/bitbtn.h"
#include "framework/windows/timer.h"
#include "got/mainform.h"

#include "support/fixtures.h"
#include "support/manualtickers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

namespace pellax {
namespace {

QString machineHive(const test::ScopedSettingsStore& store) {
    return store.folder() + QStringLiteral("/HKEY_LOCAL_MACHINE.ini");
}

bool startedRecorded() {
    TRegistry reg(TRegistry::Access::ReadOnly);
    reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
    return reg.OpenKeyReadOnly(kFirstRunKey) && reg.ValueExists(kFirstRunValue);
}

TEST(FirstRun, TheFourStatesOfTheStore) {
    {
        test::ScopedSettingsStore store;  // missing: shown, then remembered
        EXPECT_TRUE(firstRunShowsAbout());
        EXPECT_TRUE(startedRecorded());
        EXPECT_FALSE(firstRunShowsAbout());
    }
    // A value of any type or content counts as an earlier run.
    for (const char* value : {"0", "text", "@ByteArray(\\0\\x1)", ""}) {
        test::ScopedSettingsStore store;
        QFile hive(machineHive(store));
        ASSERT_TRUE(hive.open(QIODevice::WriteOnly));
        hive.write(QByteArray("[SOFTWARE]\nQuorvane\\Pellax%20editor\\started=") + value + "\n");
        hive.close();
        EXPECT_FALSE(firstRunShowsAbout()) << value;
    }
    {
        test::ScopedSettingsStore store;  // cannot be opened: shown every time, nothing said
        ASSERT_TRUE(QDir().mkpath(machineHive(store)));
        EXPECT_TRUE(firstRunShowsAbout());
        EXPECT_TRUE(firstRunShowsAbout());
    }
    test::ScopedSettingsStore store;  // the write fails: an error
    try {
        test::FileSizeLimit full(0);
        ASSERT_TRUE(full.ok());
        firstRunShowsAbout();
        ADD_FAILURE() << "the write went through";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Failed to set data for 'started'"));
    }
    EXPECT_FALSE(startedRecorded());
}

// The main window's timer at start-up, with the settings store of the test.
class FirstRunAtStartup : public test::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        program->Show();
    }

    // Lets the first-run timer fire; reports whether the About window came up
    // (and closes it with OK).
    bool startShowsAbout() {
        bool shown = false;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (program->aboutform().isVisible()) {
                shown = true;
                program->aboutform().BitBtn1->click();
            }
        });
        closer.start(1);
        test::clock().advance(10);
        QApplication::processEvents();
        return shown;
    }

    test::ScopedSettingsStore store;
};

TEST_F(FirstRunAtStartup, TimerFiresOnceAndShowsTheWindowModally) {
    EXPECT_TRUE(program->mainform().Timer1.Enabled());
    EXPECT_EQ(program->mainform().Timer1.Interval(), 10);
    EXPECT_TRUE(startShowsAbout());
    EXPECT_FALSE(program->mainform().Timer1.Enabled());
    EXPECT_FALSE(program->aboutform().isVisible());
    EXPECT_TRUE(startedRecorded());
    EXPECT_FALSE(startShowsAbout());  // the timer is done for this run

    program.reset();
    program = std::make_unique<Program>();
    EXPECT_FALSE(startShowsAbout());
}

TEST_F(FirstRunAtStartup, AFailedWriteShowsTheErrorAndNoWindow) {
    {
        test::FileSizeLimit full(0);
        ASSERT_TRUE(full.ok());
        EXPECT_FALSE(startShowsAbout());
    }
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Failed to set data for 'started'."));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Pellax"));
    EXPECT_FALSE(program->mainform().Timer1.Enabled());
}

TEST_F(FirstRunAtStartup, AStartupNoticeComesOnceBeforeTheAboutWindow) {
    program->setStartupNotice(QStringLiteral("A desktop colour setting is malformed."));
    EXPECT_TRUE(startShowsAbout());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("A desktop colour setting is malformed."));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Pellax"));
}

TEST_F(FirstRunAtStartup, AboutMenuItemShowsTheWindowModally) {
    program->mainform().Timer1.SetEnabled(false);
    bool modal = false;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget() == &program->aboutform();
        QTest::keyClick(&program->aboutform(), Qt::Key_Enter, Qt::KeypadModifier);
    });
    program->menu().Credits1->trigger();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(program->aboutform().isVisible());
}

}  // namespace
}  // namespace pellax
