#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace pellax {

// How many words of argv, the program's name included, come before the first
// "--" (all of them when there is none). Qt takes its own options (-platform,
// -style, ...) from these only, so a file named like one of them can be given
// after "--".
int wordsBeforeDashes(int argc, char* const* argv);

// The files that command-line words name, as absolute paths: each word is a
// file, taken by its bytes, so that a name that is not UTF-8 still opens.
// `words` are what Qt left of the words before "--" (without the program's
// name), then the words after it.
QStringList commandLineFiles(std::span<char* const> words);

// `name` against the folder the program runs in, cleaned as the open dialog
// cleans the path it returns; the folder is read by its bytes as well.
QString absoluteFileName(const QString& name);

}  // namespace pellax
