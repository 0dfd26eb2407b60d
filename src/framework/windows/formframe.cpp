// The frame of TForm: the window procedure at the end of its chain, the
// picture the frame is painted into and its painting, and the mouse on the
// caption bar and the borders.

#include "framework/windows/form.h"

#include "framework/windows/formwindow.h"
#include "framework/windows/framepainter.h"

#include <QMouseEvent>
#include <QtMath>
#include <QPainter>
#include <QWhatsThis>
#include <QWindow>

namespace pellax {

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
        setWindowTitle(FormWindow::platformTitle(caption_));
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

WindowStyles TForm::styles() const { return formWindowStyles(borderStyle_, borderIcons_, UseRightToLeftReading()); }

FrameLayout TForm::frameLayout() const {
    return pellax::frameLayout(styles(), width(), FrameMetrics::desktop());
}

namespace {

QSize framePixels(const QWidget& window) {
    const qreal ratio = window.devicePixelRatio();
    return {qCeil(window.width() * ratio), qCeil(window.height() * ratio)};
}

}  // namespace

bool TForm::frameReady() {
    const qreal ratio = devicePixelRatio();
    const QSize pixels = framePixels(*this);
    if (frame_.size() != pixels || frame_.devicePixelRatio() != ratio) {
        frame_ = QImage(pixels, QImage::Format_RGB32);
        frame_.setDevicePixelRatio(ratio);
    }
    return !frame_.isNull();
}

QPaintDevice* TForm::takeDC() {
    if (!frameReady())
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
    if (!frameReady())
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
        look.icon = windowIcon().pixmap(QSize(layout.icon.Width(), layout.icon.Height()), frame_.devicePixelRatio()).toImage();
    look.pressed = pressedShown_ ? pressed_ : CaptionButton::None;
    TCanvas canvas;
    canvas.bind(frame_);
    paintClassicFrame(canvas, layout, width(), height(), look);
    canvas.unbind();
    update(QRegion(rect()).subtracted(QRegion(contentsRect())));
}

void TForm::paintButton(CaptionButton button, bool pressed) {
    if (frame_.isNull() || frame_.size() != framePixels(*this) || frame_.devicePixelRatio() != devicePixelRatio() ||
        dcTaken_ > 0)
        return;
    const FrameLayout layout = frameLayout();
    TCanvas canvas;
    canvas.bind(frame_);
    paintCaptionButton(canvas, layout, button, pressed);
    canvas.unbind();
    update(toQRect(*layout.button(button)));
}

void TForm::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (frame_.isNull())
        return;
    // Moved to a screen of another scale: the frame is painted again for it.
    if (frame_.devicePixelRatio() != devicePixelRatio())
        postFramePaint();
    QPainter painter(this);
    painter.setClipRegion(event->region().subtracted(QRegion(contentsRect())));
    painter.drawImage(0, 0, frame_);
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

}  // namespace pellax
