// The modal show of TForm and the keys that end it.

#include "framework/files/exception.h"
#include "framework/windows/form.h"

#include <QApplication>
#include <QEventLoop>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>

namespace pellax {

int TForm::ShowModal() {
    if (isVisible() || modalLoop_)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    modalResult_ = mrNone;
    // The window it is shown over: the active one, else the one it belongs to.
    QPointer<QWidget> opener = QApplication::activeWindow();
    if (!opener || opener == this)
        opener = parentWidget() ? parentWidget()->window() : nullptr;
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
    // Handed back as the dialogs hand it back (qtdialogs.cpp): with frames of
    // our own, window managers otherwise fall back to any of the program's windows.
    if (opener && opener->isVisible() && !opener->isActiveWindow())
        opener->activateWindow();
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
