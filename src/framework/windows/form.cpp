// TForm: building the window, its properties, and the Qt events it turns into
// messages. Its frame is in formframe.cpp, its modal show in formmodal.cpp and
// its menu key in formmenukey.cpp.

#include "framework/windows/form.h"

#include "framework/windows/application.h"
#include "framework/windows/control.h"
#include "framework/windows/formwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QWindow>

namespace pellax {

TForm::TForm(const QString& name, QWidget* parent)
    : QMainWindow(parent),
      TComponent(nullptr, name),
      client_(new QWidget(this)),
      window_(std::make_unique<FormWindow>(*this)) {
    setObjectName(name);
    client_->setObjectName(name + QStringLiteral("Client"));
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    applyWindowFlags();
    applyPalette();
    setWindowTitle(FormWindow::platformTitle(caption_));
    // Key presses go to the focused widget, so the window watches them on their way there.
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

TForm::~TForm() {
    dispatch(WM_DESTROY);
    destroyed_ = true;
    // Hooks come off while the form is still whole.
    DestroyComponents();
}

WindowHandle& TForm::Handle() {
    // The window that messages go to is ours; Qt makes the native one when the
    // form is first shown, so a hidden form costs no native window.
    if (!destroyed_)
        handleAllocated_ = true;
    return *window_;
}

void TForm::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    window_->sendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&caption));
}

void TForm::dispatch(unsigned msg, WPARAM wParam, LPARAM lParam) {
    guarded([&] { window_->sendMessage(msg, wParam, lParam); });
}

void TForm::postFramePaint() {
    if (framePaintQueued_)
        return;
    framePaintQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            framePaintQueued_ = false;
            if (isVisible())
                dispatch(WM_NCPAINT);
        },
        Qt::QueuedConnection);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    applyWindowFlags();
}

void TForm::SetBorderIcons(unsigned icons) {
    borderIcons_ = icons;
    applyWindowFlags();
}

void TForm::applyWindowFlags() {
    const bool tool = borderStyle_ == TFormBorderStyle::bsToolWindow || borderStyle_ == TFormBorderStyle::bsSizeToolWin;
    // The frame is our own; the window manager is asked only for what its
    // buttons need (a minimise button must be allowed to minimise).
    Qt::WindowFlags flags = (tool ? Qt::Tool : Qt::Window) | Qt::FramelessWindowHint;
    const WindowStyles s = styles();
    if (s.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (s.style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (s.style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    const bool visible = isVisible();
    setWindowFlags(flags);
    const FrameLayout frame = pellax::frameLayout(s, 0, FrameMetrics::desktop());
    setContentsMargins(frame.frame, frame.frame + frame.captionHeight, frame.frame, frame.frame);
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

bool TForm::DialogChar(QChar key) {
    for (TControl* control : client_->findChildren<TControl*>()) {
        if (control->DialogChar(key))
            return true;
    }
    return false;
}

namespace {

// The character of an Alt+key press, or a null character for any other key.
QChar dialogCharOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::AltModifier)
        return {};
    if (!key.text().isEmpty() && key.text().at(0).isPrint())
        return key.text().at(0);
    const int k = key.key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
        return QChar(k);
    return {};
}

}  // namespace

bool TForm::eventFilter(QObject* watched, QEvent* event) {
    // What reaches the screen is what the last paint left: the frame is painted
    // again whenever the window is exposed, so that its caption cannot stay as
    // a paint before the hooks' own left it.
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed())
        postFramePaint();
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QMainWindow::eventFilter(watched, event);
    // A key press that is passed on to the parents comes by once per widget;
    // it is offered once, where it was first delivered.
    const QWidget* focused = QApplication::focusWidget();
    if (static_cast<QWidget*>(watched)->window() != this || watched != (focused ? focused : this))
        return QMainWindow::eventFilter(watched, event);
    const auto& press = *static_cast<QKeyEvent*>(event);
    if (press.key() == Qt::Key_F10 && (press.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && OpenFirstMenu())
        return true;
    const QChar key = dialogCharOf(press);
    if (key.isNull())
        return QMainWindow::eventFilter(watched, event);
    bool handled = false;
    guarded([&] { handled = DialogChar(key); });
    return handled || QMainWindow::eventFilter(watched, event);
}

void TForm::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        placeOnFirstShow();
    }
    if (!destroyed_)
        handleAllocated_ = true;
    QMainWindow::showEvent(event);
    dispatch(WM_NCPAINT);
}

void TForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible())
        dispatch(WM_NCPAINT);
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

void TForm::keyPressEvent(QKeyEvent* event) {
    // The window manager usually takes Alt+F4 itself; without one, the window
    // does, when it has the system menu that holds Close.
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier && (borderIcons_ & biSystemMenu)) {
        close();
        return;
    }
    // Enter presses the default button: Qt does that only inside a QDialog.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && pressDefaultButton())
        return;
    QMainWindow::keyPressEvent(event);
}

bool TForm::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        dispatch(WM_NCACTIVATE, 1);
    else if (event->type() == QEvent::WindowDeactivate)
        dispatch(WM_NCACTIVATE, 0);
    return handled;
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
