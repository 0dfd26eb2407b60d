#include "app/openplan.h"

#include <array>
#include <optional>

namespace pellax {

namespace {

bool hasExtension(const QString& path, QLatin1String extension) { return path.endsWith(extension, Qt::CaseInsensitive); }

// The files one window opens: by their extensions, one at a time.
struct WindowKind {
    OpenTarget target;
    std::array<QLatin1String, 2> extensions;  // an empty one matches nothing
    const char* holds;                        // "the editor holds one game-type file at a time"
};

// An archive shows its game types to pick one for the editor.
const std::array<WindowKind, 3> kWindows = {{
    {OpenTarget::Editor, {QLatin1String(".got"), QLatin1String(".mpq")}, "the editor holds one game-type file at a time"},
    {OpenTarget::TemplateList, {QLatin1String(".lst"), QLatin1String()}, "the template list window holds one list at a time"},
    {OpenTarget::Triggers, {QLatin1String(".trg"), QLatin1String()}, "the trigger window holds one trigger file at a time"},
}};

const WindowKind* windowFor(const QString& path) {
    for (const WindowKind& kind : kWindows) {
        for (const QLatin1String extension : kind.extensions) {
            if (!extension.isEmpty() && hasExtension(path, extension))
                return &kind;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<OpenStep> planOpening(const QStringList& paths) {
    std::vector<OpenStep> steps;
    std::array<std::optional<QString>, kWindows.size()> first;
    for (const QString& path : paths) {
        OpenStep step{path, OpenTarget::Refused, {}};
        if (const WindowKind* kind = windowFor(path)) {
            std::optional<QString>& firstOfKind = first[static_cast<std::size_t>(kind - kWindows.data())];
            if (!firstOfKind) {
                firstOfKind = path;
                step.target = kind->target;
            } else {
                step.refusal = QStringLiteral("Cannot open \"%1\": %2, and \"%3\" was given first.")
                                   .arg(path, QLatin1String(kind->holds), *firstOfKind);
            }
        } else {
            step.refusal = QStringLiteral("Cannot open \"%1\": only game-type files (.got), template lists (.lst), "
                                          "trigger files (.trg) and MPQ archives (.mpq) can be opened.")
                               .arg(path);
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

}  // namespace pellax
