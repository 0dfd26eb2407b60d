#pragma once

#include "componentpack/basecontrol.h"
#include "componentpack/bevel.h"
#include "componentpack/ro3dcaption.h"
#include "controls/labellayout.h"

#include <QPointer>

namespace pellax {

// A windowless text label: the layout switches, the accelerator that moves the
// focus to a partner control, and the auto-size hooks.
class TROBaseLabel : public TROBaseGraphicControl {
    Q_OBJECT
public:
    TROBaseLabel(TComponent* owner, QWidget* parent, const QString& name = {});
    ~TROBaseLabel() override;

    // An '&' in the caption marks the accelerator and is not shown.
    bool ShowAccelChar() const noexcept { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    // The label sizes itself to its text.
    bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // The text wraps at the label's width.
    bool WordWrap() const noexcept { return wordWrap_; }
    void SetWordWrap(bool wrap);
    TROAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TROAlignment alignment);
    // Takes the focus when the caption's accelerator is pressed with Alt.
    QWidget* FocusControl() const noexcept { return focusControl_.data(); }
    void SetFocusControl(QWidget* control);

    // Re-measures, then redraws.
    void PropertyChanged(TSender sender) override;
    // Transparent with a blank caption.
    bool NothingToPaint() const override;
    bool DialogChar(QChar key) override;

protected:
    // The font (Sender Font) or a font setting changed.
    virtual void FontChanged(TSender sender);
    // Sizes the label to its text when AutoSize; nothing here.
    virtual void AdjustBounds() {}

    TSender fontSender() const noexcept { return &Font(); }
    bool captionBlank() const;

    void FontChanged() override;
    void TextChanged() override;
    void Loaded() override;
    void Notification(TComponent* component, Operation operation) override;

private:
    bool showAccelChar_ = true;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    TROAlignment alignment_ = agTopLeft;
    QPointer<QWidget> focusControl_;
    TComponent* focusComponent_ = nullptr;
};

// The label with its frame (Bevel) and text effect (FontFx): it paints,
// measures and places its text with them.
class TROCustomLabel : public TROBaseLabel {
    Q_OBJECT
public:
    TROCustomLabel(TComponent* owner, QWidget* parent, const QString& name = {});
    ~TROCustomLabel() override;

    TROBevel& Bevel() noexcept { return bevel_; }
    const TROBevel& Bevel() const noexcept { return bevel_; }
    void SetBevel(const TROBevel& bevel) { bevel_.Assign(bevel); }
    TROFxCaption& FontFx() noexcept { return fontFx_; }
    const TROFxCaption& FontFx() const noexcept { return fontFx_; }
    void SetFontFx(const TROFxCaption& fontFx) { fontFx_.Assign(fontFx); }

    // Transparent, blank and without a frame.
    bool NothingToPaint() const override;
    // Where the measured text block sits in `r` by Alignment.
    TRect AlignTextRect(const TRect& r);

protected:
    using TROBaseLabel::FontChanged;
    void FontChanged(TSender sender) override;
    void AdjustBounds() override;
    void Paint() override;
    // Whether the canvas's font can be drawn turned; the desktop asks the font file.
    virtual bool canvasFontIsTrueType();

private:
    TROBevel bevel_;
    TROFxCaption fontFx_;
};

// The bevelled label as window descriptions place it.
class TROLabel final : public TROCustomLabel {
    Q_OBJECT
public:
    using TROCustomLabel::TROCustomLabel;
};

}  // namespace pellax
