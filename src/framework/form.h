#pragma once

#include "framework/color.h"
#include "framework/component.h"
#include "framework/font.h"

#include <QMainWindow>

namespace pellax {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter };

// A top-level window. Controls go on client(), whose size is the window's client
// area; the menu bar, when there is one, sits above it. Closing the program's
// main window ends the program; closing any other window only hides it.
class TForm : public QMainWindow, public TComponent {
    Q_OBJECT
public:
    explicit TForm(const QString& name, QWidget* parent = nullptr);
    ~TForm() override;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    TFormBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    unsigned BorderIcons() const noexcept { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    TPosition Position() const noexcept { return position_; }
    void SetPosition(TPosition position) noexcept { position_ = position; }

    void SetClientSize(int width, int height);
    QWidget* client() const noexcept { return client_; }

    TColor Color() const noexcept { return color_; }
    void SetColor(TColor color);
    const TFont& Font() const noexcept { return font_; }
    void SetFont(const TFont& font);

    // Shows the window (placed by Position the first time) and brings it to the front.
    void Show();

    // Offers a key pressed with Alt to the controls on the window until one
    // takes it as its accelerator; true when one did.
    bool DialogChar(QChar key);

protected:
    // Catches Alt+key presses meant for any widget of this window.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyWindowFlags();
    void applyPalette();
    void placeOnFirstShow();

    QWidget* client_;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    TColor color_ = clBtnFace;
    TFont font_;
    bool placed_ = false;
};

// Colours a widget tree: background `background`, text `text`.
void setWidgetColors(QWidget* widget, TColor background, TColor text);

}  // namespace pellax
