#pragma once

#include "framework/windows/dialogs.h"

namespace pellax {

// The real dialogs, shown with Qt.
class QtDialogs final : public Dialogs {
public:
    std::optional<QString> chooseFile(const FileDialogRequest& request, QWidget* parent) override;
    void showMessage(const QString& title, const QString& text, MessageIcon icon, QWidget* parent) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text,
                                    int maxLength, QWidget* parent) override;
    std::optional<QString> chooseMember(const MemberChoiceRequest& request, QWidget* parent) override;
};

}  // namespace pellax
