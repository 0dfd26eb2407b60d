#include "app/commandline.h"

#include "framework/files/nativebytes.h"

#include <QDir>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace pellax {

namespace {

QString currentFolder() {
    // QDir::currentPath would lose the bytes of a folder name that is not UTF-8.
    const std::unique_ptr<char, decltype(&std::free)> folder(::getcwd(nullptr, 0), &std::free);
    return folder ? fromNativeBytes(folder.get()) : QDir::currentPath();
}

}  // namespace

int wordsBeforeDashes(int argc, char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return i;
    }
    return argc;
}

QStringList commandLineFiles(std::span<char* const> words) {
    QStringList files;
    for (const char* word : words)
        files << absoluteFileName(fromNativeBytes(word));
    return files;
}

QString absoluteFileName(const QString& name) {
    // cleanPath works on the text alone; QFileInfo would pass the name through the lossy 8-bit codec.
    if (name.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(name);
    return QDir::cleanPath(currentFolder() + QLatin1Char('/') + name);
}

}  // namespace pellax
