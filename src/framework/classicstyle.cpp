#include "framework/classicstyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QStyleFactory>

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

}  // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new ChevronIcon(false));  // the icon owns its engine
    if (icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new ChevronIcon(true));
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace pellax
