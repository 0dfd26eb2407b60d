#include "app/openplan.h"

#include <optional>

namespace pellax {

namespace {

bool hasExtension(const QString& path, QLatin1String extension) { return path.endsWith(extension, Qt::CaseInsensitive); }

}  // namespace

std::vector<OpenStep> planOpening(const QStringList& paths) {
    std::vector<OpenStep> steps;
    std::optional<QString> firstGot;
    std::optional<QString> firstList;
    std::optional<QString> firstTriggers;
    for (const QString& path : paths) {
        OpenStep step{path, OpenTarget::Refused, {}};
        // An archive shows its game types to pick one for the editor.
        if (hasExtension(path, QLatin1String(".got")) || hasExtension(path, QLatin1String(".mpq"))) {
            if (!firstGot) {
                firstGot = path;
                step.target = OpenTarget::Editor;
            } else {
                step.refusal = QStringLiteral("Cannot open \"%1\": the editor holds one game-type file at a time, "
                                              "and \"%2\" was given first.")
                                   .arg(path, *firstGot);
            }
        } else if (hasExtension(path, QLatin1String(".lst"))) {
            if (!firstList) {
                firstList = path;
                step.target = OpenTarget::TemplateList;
            } else {
                step.refusal = QStringLiteral("Cannot open \"%1\": the template list window holds one list at a time, "
                                              "and \"%2\" was given first.")
                                   .arg(path, *firstList);
            }
        } else if (hasExtension(path, QLatin1String(".trg"))) {
            if (!firstTriggers) {
                firstTriggers = path;
                step.target = OpenTarget::Triggers;
            } else {
                step.refusal = QStringLiteral("Cannot open \"%1\": the trigger window holds one trigger file at a time, "
                                              "and \"%2\" was given first.")
                                   .arg(path, *firstTriggers);
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
