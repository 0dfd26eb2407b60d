#pragma once

#include "framework/windows/dialogs.h"

#include <QString>

#include <optional>

namespace pellax::bench {

// File dialogs that always choose `file`; any message box is remembered as a failure.
class FixedDialogs final : public Dialogs {
public:
    std::optional<QString> chooseFile(const FileDialogRequest&, QWidget*) override { return file; }
    void showMessage(const QString&, const QString& text, MessageIcon, QWidget*) override { failure = text; }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&, int, QWidget*) override {
        return std::nullopt;
    }
    std::optional<QString> chooseMember(const MemberChoiceRequest&, QWidget*) override { return std::nullopt; }
    QString file;
    QString failure;
};

}  // namespace pellax::bench
