#include "trigger/triggerfile.h"

#include "framework/windows/application.h"
#include "trigger/triggerconvert.h"

namespace pellax {

void CopyTriggerFile(bool strip, const QString& fileName) {
    if (convertTriggerFile(strip, fileName, triggerOutputName(fileName)) == TriggerCopyOutcome::AlreadyHasHeader) {
        Application& app = Application::instance();
        app.dialogs().showMessage(app.Title(), alreadyHasHeaderText(), MessageIcon::None, app.MainForm());
    }
}

}  // namespace pellax
