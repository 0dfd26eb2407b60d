#include "tool/console.h"

#include "framework/files/exception.h"
#include "framework/files/inputfile.h"
#include "framework/files/ioerror.h"
#include "framework/files/nativebytes.h"
#include "tool/arguments.h"

#include <cerrno>
#include <memory>

#include <sys/stat.h>

namespace pellax {

namespace {

const QString kProgram = QStringLiteral("pellax-tool: ");

// `in` to its end; raises EInOutError when it cannot be read, or returns more
// than `limit` bytes (limit + 1) when there are more.
QByteArray readAtMost(std::FILE* in, qsizetype limit) {
    QByteArray data;
    // A file's size, where it has one, saves copying what is read as it grows.
    struct stat st {};
    if (::fstat(::fileno(in), &st) == 0 && S_ISREG(st.st_mode) && st.st_size < limit)
        data.reserve(static_cast<qsizetype>(st.st_size) + 1);
    char buffer[4096];
    errno = 0;
    while (data.size() <= limit) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, in);
        data.append(buffer, static_cast<qsizetype>(n));
        if (n < sizeof buffer) {
            if (std::ferror(in))
                EInOutError::raiseErrno(errno != 0 ? errno : EIO);
            break;
        }
    }
    return data.left(limit + 1);
}

}  // namespace

void Console::print(const QByteArray& utf8) {
    if (outError_ == EPIPE)
        throw OutputClosed{};
    errno = 0;
    const auto size = static_cast<std::size_t>(utf8.size());
    if (std::fwrite(utf8.constData(), 1, size, out_) == size)
        return;
    if (outError_ == 0)
        outError_ = errno != 0 ? errno : EIO;
    if (errno == EPIPE) {
        outError_ = EPIPE;
        throw OutputClosed{};
    }
}

void Console::print(const QString& text) { print(toNativeBytes(text)); }

void Console::error(const QString& text) {
    const QByteArray line = toNativeBytes(kProgram + text + QLatin1Char('\n'));
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), err_);
}

void Console::fileError(const QString& file, std::exception_ptr failure) {
    fileFailed_ = true;
    error(file + QStringLiteral(": ") + errorText(failure));
}

void Console::notice(const QString& file, const QString& text) { error(file + QStringLiteral(": ") + text); }

QString sourceName(const QString& source) {
    return source == QLatin1String("-") ? QStringLiteral("standard input") : source;
}

QByteArray Console::readSource(const QString& source, const QString& command, qsizetype limitMiB, const char* what) {
    const qsizetype limit = limitMiB * 1024 * 1024;
    QByteArray bytes;
    if (source == QLatin1String("-")) {
        bytes = readAtMost(in_, limit);
    } else {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(nativePath(source).constData(), "rbe"),
                                                                   &std::fclose);
        if (!file)
            EInOutError::raiseErrno(errno);
        bytes = readAtMost(file.get(), limit);
    }
    if (bytes.size() > limit)
        throw UsageError(command, QStringLiteral("%1: more than %2 MiB, not %3")
                                      .arg(sourceName(source), QString::number(limitMiB), QLatin1String(what)));
    return bytes;
}

bool Console::finish() {
    errno = 0;
    if (std::fflush(out_) != 0 && outError_ == 0)
        outError_ = errno != 0 ? errno : EIO;
    if (std::ferror(out_) && outError_ == 0)
        outError_ = EIO;
    if (outError_ == 0 || outError_ == EPIPE)
        return true;
    error(QStringLiteral("standard output: ") + ioErrorText(ioCodeFromErrno(outError_)) + QLatin1Char('.'));
    return false;
}

}  // namespace pellax
