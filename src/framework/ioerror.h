#pragma once

#include "framework/exception.h"

namespace pellax {

// Run-time I/O error codes the program reports. Codes that are not listed here
// are operating-system error numbers and show as "I/O error N".
namespace ioerr {
inline constexpr int FileNotFound = 2;
inline constexpr int InvalidFilename = 3;
inline constexpr int TooManyOpenFiles = 4;
inline constexpr int AccessDenied = 5;
inline constexpr int ReadBeyondEnd = 100;
inline constexpr int DiskFull = 101;
inline constexpr int InvalidNumericInput = 106;
}  // namespace ioerr

// The text shown for a run-time I/O error code.
QString ioErrorText(int code);

// Maps an errno value to the run-time code whose text describes it best.
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
