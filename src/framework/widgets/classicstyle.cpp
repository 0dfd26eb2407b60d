#include "framework/widgets/classicstyle.h"

#include "framework/paint/pixelalign.h"

#include <QIconEngine>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleFactory>
#include <QStyleOption>

namespace pellax {

namespace {

// Two chevrons pointing right (or down), painted at whatever size is asked.
class ChevronIcon final : public QIconEngine {
public:
    explicit ChevronIcon(bool down) : down_(down) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(mode == QIcon::Disabled ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black), 1));
        const int size = std::min(rect.width(), rect.height());
        const int arm = std::max(2, size / 4);
        const QPoint c = rect.center();
        for (const int shift : {-arm / 2 - 1, arm / 2 + 1}) {
            if (down_) {
                painter->drawLine(c.x() - arm, c.y() + shift - arm / 2, c.x(), c.y() + shift + arm / 2);
                painter->drawLine(c.x(), c.y() + shift + arm / 2, c.x() + arm, c.y() + shift - arm / 2);
            } else {
                painter->drawLine(c.x() + shift - arm / 2, c.y() - arm, c.x() + shift + arm / 2, c.y());
                painter->drawLine(c.x() + shift + arm / 2, c.y(), c.x() + shift - arm / 2, c.y() + arm);
            }
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new ChevronIcon(down_); }

private:
    bool down_;
};

// What the style draws with one-pixel lines and plain fills only, apart from arrows.
bool isLineWork(QStyle::PrimitiveElement element) {
    switch (element) {
    case QStyle::PE_Frame:
    case QStyle::PE_FrameMenu:
    case QStyle::PE_FrameLineEdit:
    case QStyle::PE_PanelLineEdit:
    case QStyle::PE_FrameGroupBox:
    case QStyle::PE_FrameWindow:
    case QStyle::PE_FrameTabWidget:
    case QStyle::PE_FrameStatusBarItem:
    case QStyle::PE_FrameFocusRect:
    case QStyle::PE_FrameDefaultButton:
    case QStyle::PE_FrameButtonBevel:
    case QStyle::PE_FrameButtonTool:
    case QStyle::PE_PanelButtonBevel:
    case QStyle::PE_PanelButtonCommand:
    case QStyle::PE_PanelButtonTool:
    case QStyle::PE_PanelMenuBar: return true;
    default: return false;
    }
}

bool isLineWork(QStyle::ControlElement element) {
    switch (element) {
    case QStyle::CE_MenuBarEmptyArea:
    case QStyle::CE_ScrollBarAddLine:
    case QStyle::CE_ScrollBarSubLine:
    case QStyle::CE_ScrollBarSlider: return true;
    default: return false;
    }
}

bool isArrow(QStyle::PrimitiveElement element) {
    return element == QStyle::PE_IndicatorArrowUp || element == QStyle::PE_IndicatorArrowDown ||
           element == QStyle::PE_IndicatorArrowLeft || element == QStyle::PE_IndicatorArrowRight;
}

}  // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new ChevronIcon(false));  // the icon owns its engine
    if (icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new ChevronIcon(true));
    return QProxyStyle::standardIcon(icon, option, widget);
}

template <class Draw>
void ClassicStyle::aligned(QPainter* painter, const QRect& rect, Draw&& draw) const {
    if (!painter || !needsPixelAlignment(*painter)) {
        draw(painter);
        return;
    }
    std::vector<Deferred> arrows;
    {
        const QScopedValueRollback<std::vector<Deferred>*> defer(deferred_, &arrows);
        paintPixelAligned(*painter, rect, [&](QPainter& atOne) { draw(&atOne); });
    }
    for (const Deferred& arrow : arrows)
        QProxyStyle::drawPrimitive(arrow.element, &arrow.option, painter, arrow.widget);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    if (deferred_ && isArrow(element) && option) {
        deferred_->push_back({element, *option, widget});
        return;
    }
    if (element == PE_IndicatorCheckBox && option && painter && needsPixelAlignment(*painter)) {
        drawCheckBox(*option, *painter, widget);
        return;
    }
    if (!option || !isLineWork(element)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    aligned(painter, option->rect,
            [&](QPainter* p) { QProxyStyle::drawPrimitive(element, option, p, widget); });
}

// The box is line work; its mark is drawn at the full scale, inside the box's frame.
void ClassicStyle::drawCheckBox(const QStyleOption& option, QPainter& painter, const QWidget* widget) const {
    QStyleOption empty = option;
    empty.state = (option.state & ~(State_On | State_NoChange)) | State_Off;
    aligned(&painter, option.rect,
            [&](QPainter* p) { QProxyStyle::drawPrimitive(PE_IndicatorCheckBox, &empty, p, widget); });
    if (!(option.state & (State_On | State_NoChange)))
        return;
    constexpr int kFrame = 2;
    painter.save();
    painter.setClipRect(option.rect.adjusted(kFrame, kFrame, -kFrame, -kFrame), Qt::IntersectClip);
    QProxyStyle::drawPrimitive(PE_IndicatorCheckBox, &option, &painter, widget);
    painter.restore();
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (!option || !isLineWork(element)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    aligned(painter, option->rect, [&](QPainter* p) { QProxyStyle::drawControl(element, option, p, widget); });
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const {
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !combo || !painter || !needsPixelAlignment(*painter)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The frame and the button are line work; the edit field's part sets up
    // the painter for the text drawn after it, so it runs on the real painter.
    QStyleOptionComboBox lines = *combo;
    lines.subControls &= SC_ComboBoxFrame | SC_ComboBoxArrow;
    aligned(painter, combo->rect, [&](QPainter* p) { QProxyStyle::drawComplexControl(control, &lines, p, widget); });
    QStyleOptionComboBox field = *combo;
    field.subControls &= SC_ComboBoxEditField;
    QProxyStyle::drawComplexControl(control, &field, painter, widget);
}

}  // namespace pellax
