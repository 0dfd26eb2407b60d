#include "framework/windows/form.h"

#include "framework/windows/application.h"
#include "framework/windows/control.h"
#include "framework/windows/framepainter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWhatsThis>
#include <QWindow>

namespace pellax {


namespace {

// Qt hands the window manager the program's name in place of an empty title;
// a blank one is what every window list shows as no title.
QString platformTitle(const QString& caption) { return caption.isEmpty() ? QStringLiteral(" ") : caption; }

}  // namespace

// The form's window as hooks and caption painters see it.
class TForm::FormWindow final : public WindowHandle {
public:
    explicit FormWindow(TForm& form) : form_(form) {
        // At the end of every chain: the main window's hooks, then the form's own handling.
        proc_ = [f = &form](WindowHandle&, unsigned msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (Application::exists() && Application::instance().MainForm() == f) {
                TMessage m{msg, wParam, lParam, 0};
                if (Application::instance().dispatchMainWindowHooks(m))
                    return m.Result;
            }
            return f->Perform(msg, wParam, lParam);
        };
    }

    bool windowExists() const override { return form_.handleAllocated_ && !form_.destroyed_; }
    bool windowVisible() const override { return form_.isVisible(); }
    bool windowMinimised() const override { return form_.isMinimized(); }
    // The window draws its own frame, so its rectangle is its geometry. Qt's
    // frame geometry adds the window manager's frame, which for a moment after
    // the window is mapped can be a 1 x 1 placeholder: a caption painted then
    // would be painted to no width.
    TRect windowRect() const override { return fromQRect(form_.geometry()); }
    std::uint32_t windowStyle() const override {
        std::uint32_t style = form_.styles().style;
        if (form_.isVisible())
            style |= WS_VISIBLE;
        if (form_.isMinimized())
            style |= WS_MINIMIZE;
        return style;
    }
    std::uint32_t windowExStyle() const override { return form_.styles().exStyle; }
    TWndProc windowProc() const override { return proc_; }
    void setWindowProc(TWndProc proc) override { proc_ = std::move(proc); }
    QPaintDevice* GetWindowDC() override { return form_.takeDC(); }
    void ReleaseDC() override { form_.giveBackDC(); }

private:
    TForm& form_;
    TWndProc proc_;
};

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
    setWindowTitle(platformTitle(caption_));
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

LRESULT TForm::Perform(unsigned msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        paintFrame();
        m.Result = 0;
        break;
    case WM_NCACTIVATE:
        frameActive_ = m.WParam != 0;
        paintFrame();
        m.Result = 1;
        break;
    case WM_GETTEXTLENGTH: m.Result = caption_.size(); break;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<QString*>(m.LParam);
        if (!buffer || m.WParam == 0) {
            m.Result = 0;
            break;
        }
        *buffer = caption_.left(static_cast<qsizetype>(m.WParam - 1));
        m.Result = buffer->size();
        break;
    }
    case WM_SETTEXT: {
        const auto* text = reinterpret_cast<const QString*>(m.LParam);
        caption_ = text ? *text : QString();
        setWindowTitle(platformTitle(caption_));
        // Queued, so that an error of a hook's caption paint reaches the
        // top-level handler instead of the code that set the caption.
        if (isVisible())
            postFramePaint();
        m.Result = 1;
        break;
    }
    default: m.Result = 0; break;
    }
}

void TForm::dispatch(unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (Application::exists())
        Application::instance().guard([&] { window_->sendMessage(msg, wParam, lParam); });
    else
        window_->sendMessage(msg, wParam, lParam);
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

WindowStyles TForm::styles() const { return formWindowStyles(borderStyle_, borderIcons_, UseRightToLeftReading()); }

FrameLayout TForm::frameLayout() const {
    return pellax::frameLayout(styles(), width(), FrameMetrics::desktop());
}

QPaintDevice* TForm::takeDC() {
    if (frame_.size() != size())
        frame_ = QImage(size(), QImage::Format_RGB32);
    if (frame_.isNull())
        return nullptr;
    ++dcTaken_;
    return &frame_;
}

void TForm::giveBackDC() {
    if (dcTaken_ > 0)
        --dcTaken_;
    update(QRegion(rect()).subtracted(QRegion(contentsRect())));
}

void TForm::paintFrame() {
    if (frame_.size() != size())
        frame_ = QImage(size(), QImage::Format_RGB32);
    if (frame_.isNull())
        return;
    if (dcTaken_ > 0) {
        // Someone draws on the frame right now; paint it again when they are done.
        postFramePaint();
        return;
    }
    const FrameLayout layout = frameLayout();
    FrameLook look;
    look.active = frameActive_;
    // The text comes through the window procedure, so hooks decide what it is.
    const auto length = window_->sendMessage(WM_GETTEXTLENGTH);
    window_->sendMessage(WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(&look.text));
    if (!layout.icon.IsEmpty() && !windowIcon().isNull())
        look.icon = windowIcon().pixmap(QSize(layout.icon.Width(), layout.icon.Height()), 1.0).toImage();
    look.pressed = pressedShown_ ? pressed_ : CaptionButton::None;
    TCanvas canvas;
    canvas.bind(frame_);
    paintClassicFrame(canvas, layout, width(), height(), look);
    canvas.unbind();
    update(QRegion(rect()).subtracted(QRegion(contentsRect())));
}

void TForm::paintButton(CaptionButton button, bool pressed) {
    if (frame_.isNull() || frame_.size() != size() || dcTaken_ > 0)
        return;
    const FrameLayout layout = frameLayout();
    TCanvas canvas;
    canvas.bind(frame_);
    paintCaptionButton(canvas, layout, button, pressed);
    canvas.unbind();
    update(toQRect(*layout.button(button)));
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
    if (Application::exists())
        Application::instance().guard([&] { handled = DialogChar(key); });
    else
        handled = DialogChar(key);
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

void TForm::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (frame_.isNull())
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region().subtracted(QRegion(contentsRect())));
    painter.drawImage(0, 0, frame_);
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

void TForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QMainWindow::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    const FrameLayout layout = frameLayout();
    CaptionButton button = CaptionButton::None;
    switch (frameHitTest(layout, width(), height(), {pos.x(), pos.y()}, &button)) {
    case FrameHit::Button:
        pressed_ = button;
        pressedShown_ = true;
        paintButton(button, true);
        break;
    case FrameHit::Caption:
        // The window manager moves the window where it can; elsewhere it follows the mouse.
        if (!windowHandle() || !windowHandle()->startSystemMove()) {
            dragging_ = true;
            dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        }
        break;
    case FrameHit::Border:
        if (layout.sizeable && windowHandle()) {
            Qt::Edges edges;
            if (pos.x() < layout.frame)
                edges |= Qt::LeftEdge;
            if (pos.x() >= width() - layout.frame)
                edges |= Qt::RightEdge;
            if (pos.y() < layout.frame)
                edges |= Qt::TopEdge;
            if (pos.y() >= height() - layout.frame)
                edges |= Qt::BottomEdge;
            if (edges)
                windowHandle()->startSystemResize(edges);
        }
        break;
    case FrameHit::Client: QMainWindow::mousePressEvent(event); break;
    }
}

void TForm::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ != CaptionButton::None) {
        const QPoint pos = event->position().toPoint();
        const bool inside = frameLayout().button(pressed_)->Contains({pos.x(), pos.y()});
        if (inside != pressedShown_) {
            pressedShown_ = inside;
            paintButton(pressed_, inside);
        }
        return;
    }
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    QMainWindow::mouseMoveEvent(event);
}

void TForm::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    if (pressed_ == CaptionButton::None || event->button() != Qt::LeftButton) {
        QMainWindow::mouseReleaseEvent(event);
        return;
    }
    const CaptionButton button = pressed_;
    const FrameLayout layout = frameLayout();
    const QPoint pos = event->position().toPoint();
    // A click is a press and a release on the same button.
    const bool clicked = pressedShown_ && layout.button(button)->Contains({pos.x(), pos.y()});
    pressed_ = CaptionButton::None;
    pressedShown_ = false;
    paintButton(button, false);
    if (!clicked)
        return;
    switch (button) {
    case CaptionButton::Close: close(); break;
    case CaptionButton::Minimize:
        if (layout.minimizeEnabled)
            showMinimized();
        break;
    case CaptionButton::Maximize:
        if (layout.maximizeEnabled)
            isMaximized() ? showNormal() : showMaximized();
        break;
    case CaptionButton::Help: QWhatsThis::enterWhatsThisMode(); break;
    case CaptionButton::None: break;
    }
}

void TForm::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const FrameLayout layout = frameLayout();
    if (event->button() == Qt::LeftButton && layout.maximizeEnabled &&
        frameHitTest(layout, width(), height(), {pos.x(), pos.y()}) == FrameHit::Caption) {
        isMaximized() ? showNormal() : showMaximized();
        return;
    }
    QMainWindow::mouseDoubleClickEvent(event);
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
