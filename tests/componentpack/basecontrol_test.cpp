#include "componentpack/basecontrol.h"
#include "componentpack/customcontrol.h"
#include "framework/windows/filer.h"

#include "support/qtprinters.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace pellax {
namespace {

// A windowless pack control that counts what the bases call.
class Probe : public TROBaseGraphicControl {
public:
    explicit Probe(QWidget* parent) : TROBaseGraphicControl(nullptr, parent) {}
    int paints = 0;
    std::vector<TSender> listChanges;
    bool fill = false;
    void designing(bool on) { setState(ComponentState::Designing, on); }
    // What Paint draws on a white picture of the control's size.
    QImage painted() {
        QImage image(Width(), Height(), QImage::Format_RGB32);
        image.fill(Qt::white);
        Canvas().bind(image);
        Paint();
        Canvas().unbind();
        return image;
    }
    void loading(bool on) { setState(ComponentState::Loading, on); }

protected:
    void Paint() override {
        ++paints;
        if (fill)
            FillBackground();
        TROBaseGraphicControl::Paint();
    }
    void ImageListChanged(TSender sender) override {
        listChanges.push_back(sender);
        TROBaseGraphicControl::ImageListChanged(sender);
    }
};

// A windowed pack control that paints its children's background.
class Backdrop : public TROCustomControl {
public:
    explicit Backdrop(QWidget* parent) : TROCustomControl(nullptr, parent) {}
    bool provides = false;
    bool ProvidesChildBackground() const override { return provides; }
};

struct BaseControlTest : ::testing::Test {
    BaseControlTest() {
        window.resize(200, 100);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
};

TEST_F(BaseControlTest, NewBasesHaveTheirSizes) {
    Probe probe(&window);
    EXPECT_EQ(probe.size(), QSize(30, 30));
    EXPECT_TRUE(probe.Transparent());
    EXPECT_FALSE(probe.ControlStyle() & csOpaque);
    EXPECT_TRUE(probe.IsLightweight());
    Backdrop windowed(&window);
    EXPECT_EQ(windowed.size(), QSize(100, 40));
    EXPECT_FALSE(windowed.TransparentMode());
    EXPECT_TRUE(windowed.RedrawOnChange);
}

TEST_F(BaseControlTest, BoundsReportSaysWhatChanged) {
    Probe probe(&window);
    std::vector<unsigned> reports;
    probe.OnBoundsChanged = [&](TROBaseControl&, unsigned flags) { reports.push_back(flags); };
    probe.SetBounds(5, 0, 30, 30);
    probe.SetBounds(5, 0, 40, 30);
    probe.SetBounds(6, 1, 41, 31);
    probe.SetBounds(6, 1, 41, 31);
    EXPECT_EQ(reports, (std::vector<unsigned>{bcPosition, bcSize, bcPosition | bcSize}));
    probe.loading(true);
    probe.SetBounds(0, 0, 10, 10);
    EXPECT_EQ(reports.size(), 3u);
}

TEST_F(BaseControlTest, TransparentIsInvalidatedOpaqueRepaintsAtOnce) {
    Probe probe(&window);
    probe.show();
    QApplication::processEvents();
    const int before = probe.paints;
    probe.SetTransparent(false);
    EXPECT_TRUE(probe.ControlStyle() & csOpaque);
    EXPECT_TRUE(probe.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(probe.paints, before + 1);  // painted within the call
    probe.SetTransparent(true);
    EXPECT_FALSE(probe.ControlStyle() & csOpaque);
    EXPECT_EQ(probe.paints, before + 1);  // only asked for
    QApplication::processEvents();
    EXPECT_EQ(probe.paints, before + 2);
    probe.SetTransparent(true);  // unchanged: nothing
    QApplication::processEvents();
    EXPECT_EQ(probe.paints, before + 2);
}

TEST_F(BaseControlTest, ParentBackgroundMattersOnlyOnAPackParentThatProvidesIt) {
    Probe plain(&window);
    EXPECT_FALSE(plain.ParentDrawsBackground());
    QApplication::processEvents();
    int paints = plain.paints;
    plain.Perform(CM_PARENTBACKGROUNDCHANGED);
    QApplication::processEvents();
    EXPECT_EQ(plain.paints, paints);

    Backdrop backdrop(&window);
    backdrop.show();
    Probe child(&backdrop);
    child.show();
    QApplication::processEvents();
    EXPECT_FALSE(child.ParentDrawsBackground());
    backdrop.provides = true;
    EXPECT_TRUE(child.ParentDrawsBackground());
    child.SetTransparent(false);
    EXPECT_FALSE(child.ParentDrawsBackground());
    child.SetTransparent(true);
    QApplication::processEvents();
    paints = child.paints;
    EXPECT_TRUE(child.Perform(CM_PARENTBACKGROUNDCHANGED));
    QApplication::processEvents();
    EXPECT_EQ(child.paints, paints + 1);
}

TEST_F(BaseControlTest, MouseEnterAndExitFire) {
    Probe probe(&window);
    QString log;
    probe.OnMouseEnter = [&](TROBaseControl&) { log += u'>'; };
    probe.OnMouseExit = [&](TROBaseControl&) { log += u'<'; };
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&probe, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&probe, &leave);
    EXPECT_EQ(log, QStringLiteral("><"));
}

TEST_F(BaseControlTest, DesignOutlineAndBackgroundFill) {
    Probe probe(&window);
    probe.SetBounds(0, 0, 8, 6);
    probe.SetColor(0x0000FF);
    QImage run = probe.painted();
    EXPECT_EQ(run.pixel(0, 0), qRgb(255, 255, 255));  // nothing at run time
    probe.designing(true);
    QImage design = probe.painted();
    EXPECT_EQ(design.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(design.pixel(7, 5), qRgb(0, 0, 0)) << "the outline lies inside the bounds";
    EXPECT_EQ(design.pixel(3, 3), qRgb(255, 255, 255));  // brush clear
    probe.designing(false);
    probe.fill = true;
    EXPECT_EQ(probe.painted().pixel(3, 3), qRgb(255, 0, 0));
}

TEST_F(BaseControlTest, FreedImageListUnlinksOnce) {
    Probe probe(&window);
    auto list = std::make_unique<TROCustomImageList>();
    probe.SetImageList(list.get());
    EXPECT_EQ(probe.ImageList(), list.get());
    EXPECT_EQ(list->linkCount(), 1u);
    list->Change();
    ASSERT_EQ(probe.listChanges.size(), 2u);
    EXPECT_EQ(probe.listChanges[0], nullptr);    // linking
    EXPECT_EQ(probe.listChanges[1], list.get());  // the list's own change
    list.reset();
    EXPECT_EQ(probe.ImageList(), nullptr);
    ASSERT_EQ(probe.listChanges.size(), 3u);
    EXPECT_EQ(probe.listChanges[2], nullptr);

    // A control that goes first leaves nothing behind in the list.
    TROCustomImageList kept;
    {
        Probe other(&window);
        other.SetImageList(&kept);
    }
    EXPECT_EQ(kept.linkCount(), 0u);
    kept.Change();
}

TEST_F(BaseControlTest, InternalNamesOnlyTheSharedLists) {
    Probe probe(&window);
    const auto written = [](TComponent& c) {
        TPropertyWriter writer;
        writer.Write(c);
        return writer.values();
    };
    EXPECT_TRUE(written(probe).empty());
    TROCustomImageList own;
    probe.SetImageList(&own);
    EXPECT_TRUE(written(probe).empty());
    probe.SetImageList(&sharedBitmapList());
    EXPECT_EQ(written(probe), (StoredProperties{{QStringLiteral("Internal"), QStringLiteral("ROBML014")}}));
    probe.SetImageList(&sharedImageList());
    EXPECT_EQ(written(probe), (StoredProperties{{QStringLiteral("Internal"), QStringLiteral("ROIML014")}}));
    probe.SetImageList(nullptr);

    Probe read(&window);
    TPropertyReader({{QStringLiteral("Internal"), QStringLiteral("ROBML014")}}).Read(read);
    EXPECT_EQ(read.ImageList(), &sharedBitmapList());
    TPropertyReader({{QStringLiteral("Internal"), QStringLiteral("ROIML014")}}).Read(read);
    EXPECT_EQ(read.ImageList(), &sharedImageList());
    TPropertyReader({{QStringLiteral("Internal"), QStringLiteral("roiml014")}}).Read(read);
    EXPECT_EQ(read.ImageList(), nullptr);

    Backdrop windowed(&window);
    TPropertyReader({{QStringLiteral("Internal"), QStringLiteral("ROIML014")}}).Read(windowed);
    EXPECT_EQ(windowed.ImageList(), &sharedImageList());
    EXPECT_EQ(written(windowed), (StoredProperties{{QStringLiteral("Internal"), QStringLiteral("ROIML014")}}));
}

}  // namespace
}  // namespace pellax
