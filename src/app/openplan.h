#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace pellax {

// Where a file named on the command line or dropped on a window goes.
enum class OpenTarget {
    Editor,        // a game-type file or an MPQ archive, loaded as "Load Got file" loads it
    TemplateList,  // a template list, opened as the list window's "Open template file" opens it
    Triggers,      // a trigger file, opened in the trigger window
    Refused,       // not opened; the step's refusal says why
};

struct OpenStep {
    QString path;
    OpenTarget target = OpenTarget::Refused;
    QString refusal;
};

// The steps for files given together, in the order given. The kind of a file
// comes from its extension in any case (".got", ".GOT", ".Lst"); a member of an
// archive (filelocation.h) ends in its own name's. Each window
// holds one file at a time, so the first game-type file, the first template
// list and the first trigger file open and every further one is refused, as is
// a file of any other kind.
std::vector<OpenStep> planOpening(const QStringList& paths);

}  // namespace pellax
