#include "framework/windows/qtdialogs.h"

#include "framework/windows/returnfocus.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QMessageBox>
#include <QVBoxLayout>

namespace pellax {

std::optional<QString> QtDialogs::chooseFile(const FileDialogRequest& request, QWidget* parent) {
    const ReturnFocus returnFocus(parent ? parent->window() : nullptr);
    QFileDialog dialog(parent);
    const bool open = request.kind == DialogKind::Open;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // Open dialogs accept names of files that do not exist; the command reports them.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilter(toQtFilter(request.filter));
    dialog.setDefaultSuffix(bareExtension(request.defaultExt));
    dialog.setWindowTitle(request.title.isEmpty() ? (open ? QStringLiteral("Open") : QStringLiteral("Save As"))
                                                  : request.title);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::showMessage(const QString& title, const QString& text, MessageIcon icon, QWidget* parent) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: qtIcon = QMessageBox::Information; break;
    case MessageIcon::Warning: qtIcon = QMessageBox::Warning; break;
    case MessageIcon::Error: qtIcon = QMessageBox::Critical; break;
    }
    const ReturnFocus returnFocus(parent ? parent->window() : nullptr);
    QMessageBox box(qtIcon, title, text, QMessageBox::Ok, parent);
    // Wide enough for its title, which a message box does not measure by itself.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(title) + 120;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                      grid->columnCount());  // owned by the layout
    }
    box.exec();
}

std::optional<QString> QtDialogs::inputBox(const QString& caption, const QString& prompt, const QString& text,
                                           int maxLength, QWidget* parent) {
    const ReturnFocus returnFocus(parent ? parent->window() : nullptr);
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(prompt, &dialog));
    auto* edit = new QLineEdit(&dialog);
    edit->setMaxLength(maxLength);
    edit->setText(text);
    edit->selectAll();
    edit->setMinimumWidth(300);
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text();
}

std::optional<QString> QtDialogs::chooseMember(const MemberChoiceRequest& request, QWidget* parent) {
    const ReturnFocus returnFocus(parent ? parent->window() : nullptr);
    QDialog dialog(parent);
    dialog.setWindowTitle(request.title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* heading = new QLabel(request.archive, &dialog);
    layout->addWidget(heading);
    auto* list = new QListWidget(&dialog);
    list->setAccessibleName(QStringLiteral("Members"));
    list->addItems(request.members);
    list->setMinimumSize(360, 240);
    layout->addWidget(list);
    auto* typed = new QLabel(QStringLiteral("&Member name:"), &dialog);
    layout->addWidget(typed);
    auto* name = new QLineEdit(&dialog);
    name->setAccessibleName(QStringLiteral("Member name"));
    typed->setBuddy(name);
    layout->addWidget(name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(list, &QListWidget::currentTextChanged, name, &QLineEdit::setText);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // OK waits for a name, picked or typed.
    const auto updateOk = [buttons, name] { buttons->button(QDialogButtonBox::Ok)->setEnabled(!name->text().isEmpty()); };
    QObject::connect(name, &QLineEdit::textChanged, &dialog, updateOk);
    if (!request.members.isEmpty())
        list->setCurrentRow(0);
    updateOk();
    list->setFocus();
    // Over the window it belongs to, as the user's eye is there.
    if (parent) {
        dialog.adjustSize();
        const QRect owner = parent->window()->frameGeometry();
        dialog.move(owner.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    }
    if (dialog.exec() != QDialog::Accepted || name->text().isEmpty())
        return std::nullopt;
    return name->text();
}

}  // namespace pellax
