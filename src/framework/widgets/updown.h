#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QLineEdit;
class QToolButton;

namespace pellax {

// The next position of an up-down control, clamped to [min, max] or wrapped.
std::int64_t upDownStep(std::int64_t position, std::int64_t delta, std::int64_t min, std::int64_t max, bool wrap);

// A pair of small arrow buttons attached to an edit: each step reads the edit's
// number, moves it by Increment within Min..Max and writes it back as text.
// The arrow keys in the edit step it too.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent);

    void SetAssociate(QLineEdit* edit);
    QLineEdit* Associate() const noexcept { return associate_; }

    std::int64_t Min = 0;
    std::int64_t Max = 100;
    std::int64_t Increment = 1;
    bool Wrap = false;
    std::int64_t Position() const noexcept { return position_; }
    void SetPosition(std::int64_t position);

    // Reads the associate's text; an unreadable text keeps the last position.
    std::function<std::optional<std::int64_t>(const QString&)> parseText;

    // One step up (+1) or down (-1), as a click on an arrow does.
    void Step(int direction);

    // What screen readers call the two arrows.
    void SetButtonNames(const QString& up, const QString& down);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* associate_ = nullptr;
    std::int64_t position_ = 0;
};

}  // namespace pellax
