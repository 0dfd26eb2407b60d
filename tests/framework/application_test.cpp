#include "framework/application.h"
#include "framework/ioerror.h"
#include "support/fixtures.h"

#include <stdexcept>

namespace pellax {
namespace {

TEST(ApplicationTitle, ComesFromTheExecutableName) {
    EXPECT_EQ(Application::titleFromExecutable(QStringLiteral("/usr/bin/pellax")), QStringLiteral("Pellax"));
    EXPECT_EQ(Application::titleFromExecutable(QStringLiteral("/opt/PELLAX.bin.old")), QStringLiteral("Pellax"));
    EXPECT_EQ(Application::titleFromExecutable(QStringLiteral("pellaxEditor")), QStringLiteral("Pellaxeditor"));
    EXPECT_EQ(Application::titleFromExecutable(QStringLiteral("/dir.with.dots/tool")), QStringLiteral("Tool"));
    EXPECT_EQ(Application::instance().Title(), QStringLiteral("Pellax"));
}

TEST(ErrorBoxText, AddsAFullStopOnlyWhenMissing) {
    EXPECT_EQ(Application::errorBoxText(std::make_exception_ptr(EInOutError(ioerr::FileNotFound))),
              QStringLiteral("File not found."));
    EXPECT_EQ(Application::errorBoxText(std::make_exception_ptr(Exception(QStringLiteral("Done.")))),
              QStringLiteral("Done."));
    EXPECT_EQ(Application::errorBoxText(std::make_exception_ptr(std::runtime_error("boom"))), QStringLiteral("boom."));
    EXPECT_EQ(Application::errorBoxText(std::make_exception_ptr(42)), QStringLiteral("Unknown error."));
}

using ApplicationGuard = test::AppTest;

TEST_F(ApplicationGuard, ShowsWhatAHandlerThrowsAndCarriesOn) {
    bool after = false;
    Application::instance().guard([] { throw EInOutError(ioerr::DiskFull); });
    Application::instance().guard([&] { after = true; });
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Pellax"));
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Disk full."));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(after);
}

TEST(IoErrorText, NamesTheKnownCodesAndNumbersTheRest) {
    EXPECT_EQ(ioErrorText(2), QStringLiteral("File not found"));
    EXPECT_EQ(ioErrorText(3), QStringLiteral("Invalid filename"));
    EXPECT_EQ(ioErrorText(4), QStringLiteral("Too many open files"));
    EXPECT_EQ(ioErrorText(5), QStringLiteral("File access denied"));
    EXPECT_EQ(ioErrorText(100), QStringLiteral("Read beyond end of file"));
    EXPECT_EQ(ioErrorText(101), QStringLiteral("Disk full"));
    EXPECT_EQ(ioErrorText(106), QStringLiteral("Invalid numeric input"));
    EXPECT_EQ(ioErrorText(5000), QStringLiteral("I/O error 5000"));
    EXPECT_EQ(ioCodeFromErrno(ENOENT), 2);
    EXPECT_EQ(ioCodeFromErrno(EACCES), 5);
    EXPECT_EQ(ioCodeFromErrno(EROFS), 5);
    EXPECT_EQ(ioCodeFromErrno(EISDIR), 5);
    EXPECT_EQ(ioCodeFromErrno(ENOSPC), 101);
    EXPECT_EQ(ioCodeFromErrno(EIO), EIO);
}

}  // namespace
}  // namespace pellax
