#include "framework/widgets/updown.h"

#include "framework/windows/application.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace pellax {

std::int64_t upDownStep(std::int64_t position, std::int64_t delta, std::int64_t min, std::int64_t max, bool wrap) {
    if (min > max)
        std::swap(min, max);
    std::int64_t next = position + delta;
    if (next > max)
        next = wrap ? min : max;
    else if (next < min)
        next = wrap ? max : min;
    return next;
}

TUpDown::TUpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(7, 4));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    onSignal(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    onSignal(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    parseText = [](const QString& text) -> std::optional<std::int64_t> {
        bool ok = false;
        const qlonglong v = text.trimmed().toLongLong(&ok);
        return ok ? std::optional<std::int64_t>(v) : std::nullopt;
    };
}

void TUpDown::SetButtonNames(const QString& up, const QString& down) {
    up_->setAccessibleName(up);
    down_->setAccessibleName(down);
}

void TUpDown::SetAssociate(QLineEdit* edit) {
    if (associate_)
        associate_->removeEventFilter(this);
    associate_ = edit;
    if (associate_)
        associate_->installEventFilter(this);
}

void TUpDown::SetPosition(std::int64_t position) { position_ = std::clamp(position, std::min(Min, Max), std::max(Min, Max)); }

void TUpDown::Step(int direction) {
    if (!isEnabled())
        return;
    if (associate_ && parseText) {
        if (const auto current = parseText(associate_->text()))
            position_ = *current;
    }
    position_ = upDownStep(position_, direction * Increment, Min, Max, Wrap);
    if (associate_) {
        const QString text = QString::number(position_);
        if (associate_->text() != text)
            associate_->setText(text);
    }
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Application::instance().guard([&] { Step(key == Qt::Key_Up ? +1 : -1); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
    QWidget::resizeEvent(event);
}

}  // namespace pellax
