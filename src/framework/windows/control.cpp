#include "framework/windows/control.h"

#include "framework/paint/canvasscope.h"
#include "framework/windows/application.h"
#include "framework/windows/form.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>

namespace pellax {

namespace {

const TForm* formOfClient(const QWidget* parent) {
    if (!parent)
        return nullptr;
    const auto* form = qobject_cast<const TForm*>(parent->window());
    return form && form->client() == parent ? form : nullptr;
}

}  // namespace

bool canFocus(const QWidget& widget) {
    return widget.focusPolicy() != Qt::NoFocus && widget.isVisible() && widget.isEnabled();
}

std::optional<TFont> parentFontOf(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    if (const auto* c = qobject_cast<const TControl*>(parent))
        return c->Font();
    if (const TForm* form = formOfClient(parent))
        return form->Font();
    return std::nullopt;
}

std::optional<TColor> parentColorOf(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    if (const auto* c = qobject_cast<const TControl*>(parent))
        return c->Color();
    if (const TForm* form = formOfClient(parent))
        return form->Color();
    return std::nullopt;
}

TControl::TControl(TComponent* owner, QWidget* parent, const QString& name) : QWidget(parent), TComponent(owner, name) {
    setObjectName(name);
    if (const auto f = parentFontOf(this))
        font_ = *f;
    if (const auto c = parentColorOf(this))
        color_ = *c;
    QWidget::setFont(toQFont(font_));
}

TControl::~TControl() = default;

TPoint TControl::parentClientOrigin() const {
    const QWidget* parent = parentWidget();
    if (!parent)
        return {};
    const QRect client = parent->contentsRect();
    return {client.left(), client.top()};
}

void TControl::SetBounds(int left, int top, int width, int height) {
    const TPoint origin = parentClientOrigin();
    setGeometry(left + origin.X, top + origin.Y, width < 0 ? 0 : width, height < 0 ? 0 : height);
}

void TControl::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    TextChanged();
}

void TControl::SetFont(const TFont& font) {
    parentFont_ = false;
    applyFont(font);
}

void TControl::SetParentFont(bool follow) {
    if (follow == parentFont_)
        return;
    parentFont_ = follow;
    if (follow)
        ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_)
        return;
    if (const auto f = parentFontOf(this)) {
        applyFont(*f);
        parentFont_ = true;
    }
}

void TControl::applyFont(const TFont& font) {
    if (font == font_)
        return;
    font_ = font;
    QWidget::setFont(toQFont(font_));
    FontChanged();
    handDownToChildren(true);
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    applyColor(color);
}

void TControl::SetParentColor(bool follow) {
    if (follow == parentColor_)
        return;
    parentColor_ = follow;
    if (follow)
        ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_)
        return;
    if (const auto c = parentColorOf(this))
        applyColor(*c);
}

void TControl::applyColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
    handDownToChildren(false);
}

void TControl::handDownToChildren(bool font) {
    for (QObject* child : children()) {
        if (auto* c = qobject_cast<TControl*>(child))
            font ? c->ParentFontChanged() : c->ParentColorChanged();
    }
}

void TControl::Broadcast(unsigned message) {
    for (QObject* child : children()) {
        if (auto* c = qobject_cast<TControl*>(child))
            c->Perform(message);
    }
}

bool TControl::DialogChar(QChar) { return false; }

bool TControl::ControlMessage(unsigned) { return false; }

void TControl::SetControlStyle(unsigned style) {
    style_ = style;
    setAttribute(Qt::WA_OpaquePaintEvent, (style & csOpaque) != 0);
}

void TControl::Paint() {}

void paintWidgetInto(QWidget& widget, TCanvas& canvas) {
    QPainter* painter = canvas.painter();
    if (!painter)
        return;
    // Only what the canvas can show: the widget is asked to paint that part alone.
    const QPoint client = widget.contentsRect().topLeft();
    const QRect wanted = toQRect(canvas.ClipBox()).translated(client) & widget.rect();
    if (!wanted.isEmpty())
        widget.render(painter, -client, QRegion(wanted), QWidget::DrawWindowBackground);
}

void TControl::PaintInto(TCanvas& canvas) {
    const QScopedValueRollback<bool> copying(paintingCopy_, true);
    QPainter* painter = canvas.painter();
    // A control that paints every pixel of itself needs no background first,
    // and no detour through Qt's render() and a paint event: its Paint() draws
    // straight onto the canvas, where the canvas lets it.
    if (!(style_ & csOpaque) || !painter || canvas_.isBound()) {
        paintWidgetInto(*this, canvas);
        return;
    }
    const QScopedValueRollback<TRect> asked(paintRect_, IntersectRect(ClientRect(), canvas.ClipBox()));
    if (paintRect_.IsEmpty())
        return;
    // A paint that throws is reported like one from a paint event, and the rest
    // of the picture that asked for this control is still drawn.
    const ScopedCanvasBinding binding(canvas_, *painter);
    guarded([this] { Paint(); });
}

void TControl::Invalidate() {
    update();
    // A windowless control that declares itself opaque keeps Qt from repainting
    // it with its parent; on the desktop it is painted as part of its parent.
    for (QObject* child : children()) {
        auto* control = qobject_cast<TControl*>(child);
        if (control && control->IsLightweight() && control->isVisible())
            control->update();
    }
}

void TControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const ScopedCanvasBinding binding(canvas_, painter);
    paintRect_ = fromQRect(event->rect().translated(-contentsRect().topLeft()));
    // Paint() draws in client coordinates, inside the frame of a control that has one.
    if (const QPoint client = contentsRect().topLeft(); !client.isNull()) {
        canvas_.MoveOrigin(client.x(), client.y());
        canvas_.IntersectClipRect(ClientRect());
    }
    Application::instance().guard([this] { Paint(); });
}

void TControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    Application::instance().guard([this] { MouseEnter(); });
}

void TControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    Application::instance().guard([this] { MouseLeave(); });
}

void TControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        Application::instance().guard([this] { EnabledChanged(); });
}

TGraphicControl::TGraphicControl(TComponent* owner, QWidget* parent, const QString& name)
    : TControl(owner, parent, name) {
    setFocusPolicy(Qt::NoFocus);
}

TCustomControl::TCustomControl(TComponent* owner, QWidget* parent, const QString& name)
    : TControl(owner, parent, name) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
}

}  // namespace pellax
