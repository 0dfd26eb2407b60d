#include "framework/files/ioerror.h"
#include "framework/windows/application.h"
#include "support/fixtures.h"

#include <cerrno>
#include <stdexcept>
#include <utility>

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
}

TEST(IoErrorText, EachErrnoWithARunTimeMeaningHasItsCodeAndTheRestShowTheirNumber) {
    const std::pair<int, int> meanings[] = {
        {ENOENT, 2},  {ENOTDIR, 3}, {ENAMETOOLONG, 3}, {ELOOP, 3}, {EMFILE, 4},  {ENFILE, 4},   {EACCES, 5},
        {EPERM, 5},   {EROFS, 5},   {EISDIR, 5},       {ENOSPC, 101}, {EDQUOT, 101}, {EFBIG, 101}};
    for (const auto& [err, code] : meanings)
        EXPECT_EQ(ioCodeFromErrno(err), code) << "errno " << err;
    // These numbers are run-time codes too; as errno values they must not pass for them.
    for (const int err : {EIO, ESRCH, EINTR, ENETDOWN, ENETUNREACH, EISCONN})
        EXPECT_EQ(EInOutError(ioCodeFromErrno(err)).message(), QStringLiteral("I/O error %1").arg(err))
            << "errno " << err;
}

}  // namespace
}  // namespace pellax
