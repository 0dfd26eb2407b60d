#pragma once

#include "framework/files/exception.h"

namespace pellax {

// Run-time I/O error codes the program reports. Any other code shows as
// "I/O error N".
namespace ioerr {
inline constexpr int FileNotFound = 2;
inline constexpr int InvalidFilename = 3;
inline constexpr int TooManyOpenFiles = 4;
inline constexpr int AccessDenied = 5;
inline constexpr int ReadBeyondEnd = 100;
inline constexpr int DiskFull = 101;
inline constexpr int InvalidNumericInput = 106;

// An errno value without a run-time meaning is carried above every run-time
// code, so that EIO (5) cannot pass for "File access denied"; it still shows
// as "I/O error N" with its own number.
inline constexpr int SystemErrorBase = 0x10000;
constexpr int systemError(int err) noexcept { return SystemErrorBase + err; }
}  // namespace ioerr

// The text shown for a run-time I/O error code.
QString ioErrorText(int code);

// Maps an errno value to the run-time code whose text describes it best, or to
// ioerr::systemError(err) when none does.
int ioCodeFromErrno(int err);

// A failed file operation; carries the run-time code and its text.
class EInOutError : public Exception {
public:
    explicit EInOutError(int code);
    int errorCode() const noexcept { return code_; }

    // Raises the error that describes errno value `err`.
    [[noreturn]] static void raiseErrno(int err);

private:
    int code_;
};

}  // namespace pellax
