#pragma once

#include "framework/windows/dialogs.h"
#include "framework/windows/shell.h"

#include <deque>
#include <optional>
#include <vector>

namespace pellax::test {

struct ShownMessage {
    QString title;
    QString text;
    MessageIcon icon;
};

struct ShownInputBox {
    QString caption;
    QString prompt;
    QString text;
    int maxLength;
};

// Dialogs that answer from a script instead of asking anyone. An unscripted
// question is answered with Cancel and counted, so a test can tell.
class ScriptedDialogs final : public Dialogs {
public:
    void answerFile(std::optional<QString> path) { fileAnswers.push_back(std::move(path)); }
    void answerInput(std::optional<QString> text) { inputAnswers.push_back(std::move(text)); }
    void answerMember(std::optional<QString> member) { memberAnswers.push_back(std::move(member)); }

    std::optional<QString> chooseFile(const FileDialogRequest& request, QWidget* parent) override;
    void showMessage(const QString& title, const QString& text, MessageIcon icon, QWidget* parent) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text,
                                    int maxLength, QWidget* parent) override;
    std::optional<QString> chooseMember(const MemberChoiceRequest& request, QWidget* parent) override;

    std::deque<std::optional<QString>> memberAnswers;
    std::vector<MemberChoiceRequest> memberRequests;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<ShownMessage> messages;
    std::vector<ShownInputBox> inputBoxes;
    int unscripted = 0;
};

// A shell that records what it was asked to open.
class RecordingShell final : public Shell {
public:
    bool open(const QString& address, QWidget*) override {
        opened.push_back(address);
        return false;
    }
    std::vector<QString> opened;
};

}  // namespace pellax::test
