#include "framework/paint/desktop.h"
#include "framework/windows/form.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace pellax {
namespace {

TColor pixelOf(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return static_cast<TColor>(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

// A procedure put in front of a window's own, recording what passes, for as
// long as it lives.
struct Recorder {
    explicit Recorder(WindowHandle& w) : window(w), previous(w.windowProc()) {
        window.setWindowProc([this](WindowHandle& w, unsigned msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            seen.push_back({msg, wParam});
            if (msg == WM_GETTEXT && !text.isNull()) {
                *reinterpret_cast<QString*>(lParam) = text;
                return text.size();
            }
            return previous(w, msg, wParam, lParam);
        });
    }
    ~Recorder() { window.setWindowProc(previous); }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    // The first parameter of the last message `msg`.
    WPARAM lastParam(unsigned msg) const {
        const auto it = std::find_if(seen.rbegin(), seen.rend(), [msg](const auto& m) { return m.first == msg; });
        return it == seen.rend() ? WPARAM(-1) : it->second;
    }
    int count(unsigned msg) const {
        return static_cast<int>(std::count_if(seen.begin(), seen.end(), [msg](const auto& m) { return m.first == msg; }));
    }
    WindowHandle& window;
    TWndProc previous;
    std::vector<std::pair<unsigned, WPARAM>> seen;
    QString text;  // answers WM_GETTEXT when set
};

std::unique_ptr<TForm> singleForm() {
    auto form = std::make_unique<TForm>(QStringLiteral("form"));
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetClientSize(200, 60);
    return form;
}

TEST(Form, ClientAreaKeepsItsSizeInsideThePaintedFrame) {
    auto form = singleForm();
    form->show();
    EXPECT_EQ(form->client()->size(), QSize(200, 60));
    EXPECT_EQ(form->size(), QSize(206, 3 + 19 + 60 + 3));
    EXPECT_EQ(form->client()->geometry().topLeft(), QPoint(3, 22));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);

    TForm tool(QStringLiteral("tool"));
    tool.SetBorderStyle(TFormBorderStyle::bsToolWindow);
    tool.menuBar()->addMenu(QStringLiteral("File"));
    tool.SetClientSize(100, 40);
    tool.show();
    EXPECT_EQ(tool.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_EQ(tool.menuBar()->geometry().topLeft(), QPoint(3, 18));
    EXPECT_EQ(tool.client()->size(), QSize(100, 40));
    EXPECT_EQ(tool.height(), 18 + tool.menuBar()->height() + 40 + 3);
}

TEST(Form, CaptionTextGoesThroughTheWindowProcedure) {
    auto form = singleForm();
    Recorder hook(form->Handle());
    form->SetCaption(QStringLiteral("Pellax - a.got"));
    EXPECT_EQ(hook.count(WM_SETTEXT), 1);
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax - a.got"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pellax - a.got"));
    form->SetCaption(QStringLiteral("Pellax - a.got"));
    EXPECT_EQ(hook.count(WM_SETTEXT), 1);

    QString text;
    EXPECT_EQ(form->Handle().sendMessage(WM_GETTEXT, 7, reinterpret_cast<LPARAM>(&text)), 6);
    EXPECT_EQ(text, QStringLiteral("Pellax"));
    EXPECT_EQ(form->Handle().sendMessage(WM_GETTEXTLENGTH), 14);

    // The frame asks for its text through the procedure too, so a hook decides what it shows.
    hook.text = QStringLiteral(" ");
    hook.seen.clear();
    form->show();
    EXPECT_GE(hook.count(WM_NCPAINT), 1);
    EXPECT_GE(hook.count(WM_GETTEXT), 1);

    // The form's own handling is reached past the hook.
    hook.seen.clear();
    form->Perform(WM_NCACTIVATE, 1);
    EXPECT_EQ(hook.count(WM_NCACTIVATE), 0);
    EXPECT_TRUE(form->frameActive());
}

TEST(Form, ActivationRepaintsTheFrameInTheActiveAndInactiveColours) {
    auto form = singleForm();
    form->show();
    Recorder hook(form->Handle());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form.get(), &activate);
    ASSERT_EQ(hook.count(WM_NCACTIVATE), 1);
    EXPECT_EQ(hook.lastParam(WM_NCACTIVATE), 1u);
    // Left of where the caption gradient starts the bar has the plain caption colour.
    const Desktop& d = Desktop::instance();
    EXPECT_EQ(pixelOf(form->framePicture(), 4, 12), d.sysColor(COLOR_ACTIVECAPTION));

    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(form.get(), &deactivate);
    EXPECT_EQ(hook.count(WM_NCACTIVATE), 2);
    EXPECT_EQ(hook.lastParam(WM_NCACTIVATE), 0u);
    EXPECT_EQ(pixelOf(form->framePicture(), 4, 12), d.sysColor(COLOR_INACTIVECAPTION));
    // The outer edge of the border.
    EXPECT_EQ(pixelOf(form->framePicture(), 0, 50), d.sysColor(COLOR_3DLIGHT));
}

TEST(Form, DestroyingTheFormSendsTheDestroyMessage) {
    auto form = singleForm();
    int destroys = 0;
    const TWndProc previous = form->Handle().windowProc();
    form->Handle().setWindowProc([&destroys, previous](WindowHandle& w, unsigned msg, WPARAM wp, LPARAM lp) {
        destroys += msg == WM_DESTROY;
        return previous(w, msg, wp, lp);
    });
    form.reset();
    EXPECT_EQ(destroys, 1);
}

TEST(Form, CaptionButtonsCloseAndMinimise) {
    TForm owner(QStringLiteral("owner"));
    auto* form = new TForm(QStringLiteral("second"), &owner);
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetClientSize(200, 60);
    form->show();
    const FrameLayout l = form->frameLayout();
    const auto centre = [](const TRect& r) { return QPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2); };

    // Pressed and let go elsewhere: nothing happens.
    QTest::mousePress(form, Qt::LeftButton, {}, centre(l.closeButton));
    QTest::mouseRelease(form, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_TRUE(form->isVisible());

    QTest::mouseClick(form, Qt::LeftButton, {}, centre(l.minimizeButton));
    EXPECT_TRUE(form->isMinimized());
    form->showNormal();
    QTest::mouseClick(form, Qt::LeftButton, {}, centre(l.closeButton));
    EXPECT_FALSE(form->isVisible());
}

TEST(Form, DraggingTheCaptionMovesTheWindow) {
    auto form = singleForm();
    form->move(100, 100);
    form->show();
    const QPoint grab(60, 10);
    const QPoint start = form->pos();
    QMouseEvent press(QEvent::MouseButtonPress, grab, form->mapToGlobal(grab), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(form.get(), &press);
    const QPoint to = grab + QPoint(30, 20);
    QMouseEvent move(QEvent::MouseMove, to, form->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(form.get(), &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, form->mapToGlobal(to), Qt::LeftButton, {}, {});
    QApplication::sendEvent(form.get(), &release);
    EXPECT_EQ(form->pos(), start + QPoint(30, 20));
}

}  // namespace
}  // namespace pellax
