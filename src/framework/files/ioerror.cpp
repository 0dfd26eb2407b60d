#include "framework/files/ioerror.h"

#include <cerrno>

namespace pellax {

QString ioErrorText(int code) {
    switch (code) {
    case ioerr::FileNotFound: return QStringLiteral("File not found");
    case ioerr::InvalidFilename: return QStringLiteral("Invalid filename");
    case ioerr::TooManyOpenFiles: return QStringLiteral("Too many open files");
    case ioerr::AccessDenied: return QStringLiteral("File access denied");
    case ioerr::ReadBeyondEnd: return QStringLiteral("Read beyond end of file");
    case ioerr::DiskFull: return QStringLiteral("Disk full");
    case ioerr::InvalidNumericInput: return QStringLiteral("Invalid numeric input");
    default: {
        const int shown = code >= ioerr::SystemErrorBase ? code - ioerr::SystemErrorBase : code;
        return QStringLiteral("I/O error %1").arg(shown);
    }
    }
}

int ioCodeFromErrno(int err) {
    switch (err) {
    case ENOENT: return ioerr::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return ioerr::InvalidFilename;
    case EMFILE:
    case ENFILE: return ioerr::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY: return ioerr::AccessDenied;
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return ioerr::DiskFull;
    default: return ioerr::systemError(err);
    }
}

EInOutError::EInOutError(int code) : Exception(ioErrorText(code)), code_(code) {}

void EInOutError::raiseErrno(int err) { throw EInOutError(ioCodeFromErrno(err)); }

}  // namespace pellax
