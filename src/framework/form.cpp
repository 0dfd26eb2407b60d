#include "framework/form.h"

#include "framework/application.h"
#include "framework/control.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace pellax {

TForm::TForm(const QString& name, QWidget* parent)
    : QMainWindow(parent), TComponent(nullptr, name), client_(new QWidget(this)) {
    setObjectName(name);
    client_->setObjectName(name + QStringLiteral("Client"));
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    applyWindowFlags();
    applyPalette();
}

TForm::~TForm() = default;

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    applyWindowFlags();
}

void TForm::SetBorderIcons(unsigned icons) {
    borderIcons_ = icons;
    applyWindowFlags();
}

void TForm::applyWindowFlags() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    switch (borderStyle_) {
    case TFormBorderStyle::bsNone: flags |= Qt::FramelessWindowHint; break;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin: flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    default: flags |= Qt::WindowTitleHint; break;
    }
    if (borderStyle_ == TFormBorderStyle::bsToolWindow || borderStyle_ == TFormBorderStyle::bsSizeToolWin) {
        // A tool window has only the close button, and only with the system menu.
        if (borderIcons_ & biSystemMenu)
            flags |= Qt::WindowCloseButtonHint;
    } else if (borderIcons_ & biSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if ((borderIcons_ & biMinimize) && borderStyle_ != TFormBorderStyle::bsDialog)
            flags |= Qt::WindowMinimizeButtonHint;
        const bool resizable =
            borderStyle_ == TFormBorderStyle::bsSizeable || borderStyle_ == TFormBorderStyle::bsSizeToolWin;
        if ((borderIcons_ & biMaximize) && resizable)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    const bool visible = isVisible();
    setWindowFlags(flags);
    const bool fixed = borderStyle_ != TFormBorderStyle::bsSizeable && borderStyle_ != TFormBorderStyle::bsSizeToolWin;
    layout()->setSizeConstraint(fixed ? QLayout::SetFixedSize : QLayout::SetDefaultConstraint);
    if (visible)
        show();
}

void TForm::SetClientSize(int width, int height) {
    client_->setFixedSize(width, height);
    adjustSize();
}

void TForm::SetColor(TColor color) {
    color_ = color;
    applyPalette();
    for (QObject* child : client_->children()) {
        if (auto* control = qobject_cast<TControl*>(child))
            control->ParentColorChanged();
    }
}

void TForm::SetFont(const TFont& font) {
    font_ = font;
    client_->setFont(toQFont(font));
    applyPalette();
    for (QObject* child : client_->children()) {
        if (auto* control = qobject_cast<TControl*>(child))
            control->ParentFontChanged();
    }
}

void TForm::applyPalette() { setWidgetColors(client_, color_, font_.Color); }

void TForm::Show() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TForm::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        placeOnFirstShow();
    }
    QMainWindow::showEvent(event);
}

void TForm::placeOnFirstShow() {
    QRect area;
    if (position_ == TPosition::poScreenCenter) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    } else if (position_ == TPosition::poMainFormCenter) {
        QWidget* main = Application::exists() ? Application::instance().MainForm() : nullptr;
        if (main && main != this)
            area = main->frameGeometry();
        else if (const QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    }
    if (area.isNull())
        return;
    const QSize size = sizeHint().expandedTo(this->size());
    move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void TForm::closeEvent(QCloseEvent* event) {
    if (event->spontaneous() && !(borderIcons_ & biSystemMenu)) {
        event->ignore();
        return;
    }
    if (modalLoop_)
        SetModalResult(mrCancel);
    if (Application::exists() && Application::instance().MainForm() == this)
        Application::instance().Terminate();
    QMainWindow::closeEvent(event);
}

void setWidgetColors(QWidget* widget, TColor background, TColor text) {
    QPalette pal = widget->palette();
    const QColor bg = toQColor(background);
    const QColor fg = toQColor(text);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Window, bg);
        pal.setColor(group, QPalette::Base, bg);
        pal.setColor(group, QPalette::WindowText, fg);
        pal.setColor(group, QPalette::Text, fg);
    }
    pal.setColor(QPalette::Disabled, QPalette::Window, bg);
    pal.setColor(QPalette::Disabled, QPalette::Base, bg);
    widget->setPalette(pal);
}

}  // namespace pellax
