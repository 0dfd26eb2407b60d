#pragma once

#include "framework/windows/modalresult.h"

#include <QImage>
#include <QPushButton>

namespace pellax {

enum class TBitBtnKind { bkCustom, bkOK };

// A push button with a glyph. A kind other than bkCustom brings its caption,
// glyph, role and modal result: bkOK is "OK" with a green check, the default
// button of its window (Enter presses it) and mrOk. Clicking a button with a
// modal result sets its window's.
class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn(QWidget* parent = nullptr);

    TBitBtnKind Kind() const noexcept { return kind_; }
    void SetKind(TBitBtnKind kind);
    int ModalResult() const noexcept { return modalResult_; }
    void SetModalResult(int result) noexcept { modalResult_ = result; }

private:
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    int modalResult_ = mrNone;
};

// The glyph of a kind, 18 x 18 with a transparent background: as shown, or
// greyed for the disabled button. Empty for bkCustom.
QImage bitBtnGlyph(TBitBtnKind kind, bool disabled);

}  // namespace pellax
