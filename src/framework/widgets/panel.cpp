#include "framework/widgets/panel.h"

#include <QPainter>

#include <utility>

namespace pellax {

namespace {

constexpr int kEdge = 2;  // the sunken window edge

}  // namespace

TCustomPanel::TCustomPanel(TComponent* owner, QWidget* parent, const QString& name)
    : TCustomControl(owner, parent, name) {
    resize(185, 41);
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
    if (bevel == bevelOuter_)
        return;
    bevelOuter_ = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut bevel) {
    if (bevel == bevelInner_)
        return;
    bevelInner_ = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int width) {
    if (width < 1 || width == bevelWidth_)
        return;
    bevelWidth_ = width;
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    applyFrame();
}

void TCustomPanel::SetBorderWidth(int width) {
    if (width < 0 || width == borderWidth_)
        return;
    borderWidth_ = width;
    applyFrame();
}

// A new frame moves the client area; the children keep their place in it.
void TCustomPanel::applyFrame() {
    const QPoint before = contentsRect().topLeft();
    const int m = borderWidth_ + (borderStyle_ == TBorderStyle::bsSingle ? kEdge : 0);
    setContentsMargins(m, m, m, m);
    const QPoint shift = contentsRect().topLeft() - before;
    if (!shift.isNull()) {
        for (QObject* child : children()) {
            if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
                w->move(w->pos() + shift);
        }
    }
    update();
}

TRect TCustomPanel::ClientRect() const {
    const QRect client = contentsRect();
    return Bounds(0, 0, client.width(), client.height());
}

void TCustomPanel::Paint() {
    Canvas().SetBrushColor(Color());
    Canvas().FillRect(ClientRect());
}

void TCustomPanel::paintFrame(TCanvas& canvas) {
    TRect r = Bounds(0, 0, Width(), Height());
    if (borderStyle_ == TBorderStyle::bsSingle) {
        const auto line = [&canvas](TColor color, const TRect& band) {
            canvas.SetBrushColor(color);
            canvas.FillRect(band);
        };
        for (const auto& [topLeft, bottomRight] :
             {std::pair{systemColor(COLOR_BTNSHADOW), systemColor(COLOR_BTNHIGHLIGHT)},
              std::pair{systemColor(COLOR_3DDKSHADOW), systemColor(COLOR_3DLIGHT)}}) {
            line(topLeft, {r.Left, r.Top, r.Right - 1, r.Top + 1});
            line(topLeft, {r.Left, r.Top, r.Left + 1, r.Bottom - 1});
            line(bottomRight, {r.Left, r.Bottom - 1, r.Right, r.Bottom});
            line(bottomRight, {r.Right - 1, r.Top, r.Right, r.Bottom});
            r = InflateRect(r, -1, -1);
        }
    }
    if (borderWidth_ > 0) {
        canvas.SetBrushColor(Color());
        const TRect inner = InflateRect(r, -borderWidth_, -borderWidth_);
        canvas.FillRect({r.Left, r.Top, r.Right, inner.Top});
        canvas.FillRect({r.Left, inner.Bottom, r.Right, r.Bottom});
        canvas.FillRect({r.Left, inner.Top, inner.Left, inner.Bottom});
        canvas.FillRect({inner.Right, inner.Top, r.Right, inner.Bottom});
    }
}

void TCustomPanel::paintEvent(QPaintEvent* event) {
    if (!contentsMargins().isNull()) {
        QPainter painter(this);
        TCanvas frame;
        frame.bind(painter);
        paintFrame(frame);
    }
    TCustomControl::paintEvent(event);
}

}  // namespace pellax
