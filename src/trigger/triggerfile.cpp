#include "trigger/triggerfile.h"

#include "framework/application.h"
#include "trigger/triggerconvert.h"

namespace pellax {

QString triggerOutputName(const QString& fileName) { return fileName + QStringLiteral("ed"); }

void CopyTriggerFile(bool strip, const QString& fileName) {
    if (convertTriggerFile(strip, fileName, triggerOutputName(fileName)) == TriggerCopyOutcome::AlreadyHasHeader) {
        Application& app = Application::instance();
        app.dialogs().showMessage(app.Title(), QStringLiteral("File already has a header"), MessageIcon::None,
                                  app.MainForm());
    }
}

}  // namespace pellax
