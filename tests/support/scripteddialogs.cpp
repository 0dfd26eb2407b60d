#include "support/scripteddialogs.h"

namespace pellax::test {

std::optional<QString> ScriptedDialogs::chooseFile(const FileDialogRequest& request, QWidget*) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) {
        ++unscripted;
        return std::nullopt;
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::showMessage(const QString& title, const QString& text, MessageIcon icon, QWidget*) {
    messages.push_back({title, text, icon});
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& caption, const QString& prompt, const QString& text,
                                                 int maxLength, QWidget*) {
    inputBoxes.push_back({caption, prompt, text, maxLength});
    if (inputAnswers.empty()) {
        ++unscripted;
        return std::nullopt;
    }
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

}  // namespace pellax::test
