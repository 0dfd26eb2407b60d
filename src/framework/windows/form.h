#pragma once

#include "framework/paint/color.h"
#include "framework/windows/component.h"
#include "framework/paint/font.h"
#include "framework/windows/modalresult.h"
#include "framework/windows/framelayout.h"
#include "framework/windows/windowhandle.h"

#include <QImage>
#include <QMainWindow>
#include <QPoint>

#include <memory>

class QEventLoop;

namespace pellax {

enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter };

// A top-level window. Controls go on client(), whose size is the window's client
// area; the menu bar, when there is one, sits above it. Closing the program's
// main window ends the program; closing any other window only hides it. A
// window without the system menu has no close box, and the window manager's
// close request leaves it open. Enter presses the window's default button.
//
// The window draws its own frame, as the classic desktop does: a frameless
// top-level window whose border, caption bar and caption buttons are painted
// into an off-screen picture of the whole window by its window procedure. Every
// message goes through that procedure, which a component may replace and later
// restore (Handle().setWindowProc); the form's own handling at the end of the
// chain is Perform. The frame is repainted through WM_NCPAINT when the window
// is shown, resized or retitled, and through WM_NCACTIVATE when it gains or
// loses the focus. GetWindowDC gives that picture to draw on.
class TForm : public QMainWindow, public TComponent, public WindowOwner {
    Q_OBJECT
public:
    explicit TForm(const QString& name, QWidget* parent = nullptr);
    ~TForm() override;

    QString Caption() const { return caption_; }
    // Goes to the window as WM_SETTEXT, so that hooks see it.
    void SetCaption(const QString& caption);

    TFormBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    unsigned BorderIcons() const noexcept { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    TPosition Position() const noexcept { return position_; }
    void SetPosition(TPosition position) noexcept { position_ = position; }
    // Right-to-left reading follows the widget's layout direction.
    bool UseRightToLeftReading() const { return layoutDirection() == Qt::RightToLeft; }

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

    // Opens the first menu of the window's menu bar, as F10 does; false when
    // the window has no menu to open.
    bool OpenFirstMenu();

    // Shows the window, placed by Position, modal over the whole application,
    // and returns once a non-zero ModalResult ends the show (mrCancel when the
    // program ends meanwhile or the window is hidden otherwise); the window is
    // then hidden. Raises EInvalidOperation for a window that is already shown.
    int ShowModal();
    int ModalResult() const noexcept { return modalResult_; }
    // A non-zero result ends a modal show.
    void SetModalResult(int result);

    // The window with its procedure chain, made on the first request.
    WindowHandle& Handle();
    WindowHandle* HandleNeeded() override { return &Handle(); }
    bool HandleAllocated() const override { return handleAllocated_; }
    WindowHandle* ClientHandle() override { return nullptr; }
    TFormStyle FormStyle() const override { return TFormStyle::fsNormal; }

    // The form's own handling of a message, past every hook of its window.
    LRESULT Perform(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // The frame's parts at the current size, in window coordinates.
    FrameLayout frameLayout() const;
    // The picture of the whole window that the frame is painted into, at the
    // window's device pixel ratio: its text and gradients have the screen's
    // full resolution.
    const QImage& framePicture() const noexcept { return frame_; }
    // Whether the frame was last drawn active.
    bool frameActive() const noexcept { return frameActive_; }

protected:
    // The default window procedure: paints the frame, keeps the caption text.
    virtual void WndProc(TMessage& message);
    // Catches Alt+key presses meant for any widget of this window.
    bool eventFilter(QObject* watched, QEvent* event) override;

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Clicks the visible, enabled default button of this window, if there is one.
    bool pressDefaultButton();
    class FormWindow;

    void applyWindowFlags();
    void applyPalette();
    void placeOnFirstShow();
    // Sends a message that a Qt event causes, through the guard.
    void dispatch(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Repaints the frame through WM_NCPAINT once control is back in the event loop.
    void postFramePaint();
    void paintFrame();
    void paintButton(CaptionButton button, bool pressed);
    WindowStyles styles() const;
    QPaintDevice* takeDC();
    void giveBackDC();
    // Sizes the frame's picture for the window at its device pixel ratio;
    // false when there is no picture to paint.
    bool frameReady();

    QWidget* client_;
    std::unique_ptr<FormWindow> window_;
    QString caption_;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    TColor color_ = clBtnFace;
    TFont font_;
    bool placed_ = false;
    int modalResult_ = mrNone;
    QEventLoop* modalLoop_ = nullptr;

    bool handleAllocated_ = false;
    bool destroyed_ = false;

    QImage frame_;
    bool frameActive_ = false;
    int dcTaken_ = 0;
    bool framePaintQueued_ = false;
    CaptionButton pressed_ = CaptionButton::None;
    bool pressedShown_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};

// Colours a widget tree: background `background`, text `text`.
void setWidgetColors(QWidget* widget, TColor background, TColor text);

}  // namespace pellax
