#pragma once

#include "framework/color.h"
#include "framework/component.h"
#include "framework/font.h"
#include "framework/modalresult.h"

#include <QMainWindow>

class QEventLoop;

namespace pellax {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter };

// A top-level window. Controls go on client(), whose size is the window's client
// area; the menu bar, when there is one, sits above it. Closing the program's
// main window ends the program; closing any other window only hides it. A
// window without the system menu has no close box, and the window manager's
// close request leaves it open. Enter presses the window's default button.
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

    // Shows the window, placed by Position, modal over the whole application,
    // and returns once a non-zero ModalResult ends the show (mrCancel when the
    // program ends meanwhile or the window is hidden otherwise); the window is
    // then hidden. Raises EInvalidOperation for a window that is already shown.
    int ShowModal();
    int ModalResult() const noexcept { return modalResult_; }
    // A non-zero result ends a modal show.
    void SetModalResult(int result);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

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
    int modalResult_ = mrNone;
    QEventLoop* modalLoop_ = nullptr;
};

// Colours a widget tree: background `background`, text `text`.
void setWidgetColors(QWidget* widget, TColor background, TColor text);

}  // namespace pellax
