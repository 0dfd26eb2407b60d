#include "support/scripteddialogs.h"

namespace pellax::test {

namespace {

// The next scripted answer; a cancel is an empty optional.
std::optional<QString> take(std::deque<std::optional<QString>>& answers) {
    const bool confirmed = answers.front().has_value();
    const QString value = confirmed ? *answers.front() : QString();
    answers.pop_front();
    return confirmed ? std::optional<QString>(value) : std::nullopt;
}

}  // namespace

std::optional<QString> ScriptedDialogs::chooseFile(const FileDialogRequest& request, QWidget*) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) {
        ++unscripted;
        return std::nullopt;
    }
    return take(fileAnswers);
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
    return take(inputAnswers);
}

std::optional<QString> ScriptedDialogs::chooseMember(const MemberChoiceRequest& request, QWidget*) {
    memberRequests.push_back(request);
    if (memberAnswers.empty()) {
        ++unscripted;
        return std::nullopt;
    }
    return take(memberAnswers);
}

}  // namespace pellax::test
