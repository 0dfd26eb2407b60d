// The modal show of TForm and the keys that end it.

#include "framework/files/exception.h"
#include "framework/windows/form.h"
#include "framework/windows/returnfocus.h"

#include <QApplication>
#include <QEventLoop>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScopedValueRollback>

namespace pellax {

int TForm::ShowModal() {
    if (isVisible() || modalLoop_)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    modalResult_ = mrNone;
    // The window it is shown over: the active one, else the one it belongs to.
    QWidget* opener = QApplication::activeWindow();
    if (!opener || opener == this)
        opener = parentWidget() ? parentWidget()->window() : nullptr;
    // Handed back once the show ends, as the dialogs hand it back.
    const ReturnFocus returnFocus(opener);
    // Placed afresh at every show, over the main window as it stands now.
    placed_ = false;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    {
        const QScopedValueRollback<QEventLoop*> running(modalLoop_, &loop);
        Show();
        if (modalResult_ == mrNone && isVisible())
            loop.exec(QEventLoop::DialogExec);
    }
    if (modalResult_ == mrNone)
        modalResult_ = mrCancel;
    hide();
    setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    if (modalLoop_ && result != mrNone)
        modalLoop_->exit();
}

void TForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (modalLoop_ && !event->spontaneous() && modalResult_ == mrNone)
        SetModalResult(mrCancel);
}

bool TForm::pressDefaultButton() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && button->window() == this && button->isVisible() && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

}  // namespace pellax
