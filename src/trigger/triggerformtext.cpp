#include "trigger/triggerformtext.h"

#include "trigger/triggerconvert.h"

namespace pellax {

namespace {

const QString kCaption = QStringLiteral("Triggers - ");

QString sentence(const QString& text) { return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.'); }

}  // namespace

QString triggerFormCaption(const QString& file, const QString& map) {
    if (!file.isEmpty())
        return kCaption + file;
    if (!map.isEmpty())
        return kCaption + QStringLiteral("from %1 (not saved)").arg(map);
    return kCaption + QStringLiteral("New file");
}

QString triggerCountText(const CompiledTriggers& compiled) {
    if (!compiled.ok()) {
        const auto errors = static_cast<qsizetype>(compiled.errors.size());
        return errors == 1 ? QStringLiteral("Not counted: 1 error in the text")
                           : QStringLiteral("Not counted: %1 errors in the text").arg(errors);
    }
    const auto count = static_cast<qsizetype>(compiled.triggers.size());
    return count == 1 ? QStringLiteral("1 trigger") : QStringLiteral("%1 triggers").arg(count);
}

QString triggerErrorText(const TriggerTextError& error) {
    return cursorPositionText(error.line, error.column) + QStringLiteral(": ") + error.message;
}

QString cursorPositionText(int line, int column) { return QStringLiteral("Line %1, column %2").arg(line).arg(column); }

QString triggerFileLoadProblem(QByteArrayView file) {
    const QString problem = triggerFileProblem(file);
    if (problem.isEmpty())
        return problem;
    QString text = sentence(problem);
    const qsizetype size = file.size();
    const QByteArrayView header(reinterpret_cast<const char*>(TriggerHeader.data()), TriggerHeader.size());
    if (!file.startsWith(header) && size > 0 && size % static_cast<qsizetype>(Trigger::Size) == 0)
        text += QStringLiteral(" Its %1 bytes are whole triggers without the header: \"Add header\" in the Trigger "
                               "files menu writes them with it to a new file, which the game and this window read.")
                    .arg(size);
    return text;
}

QString mapImportProblem(const QString& map, const QString& problem) {
    return QStringLiteral("The triggers of %1 cannot be read: %2").arg(map, sentence(problem));
}

}  // namespace pellax
