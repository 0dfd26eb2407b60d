#include "componentpack/colorutils.h"
#include "componentpack/gradient.h"
#include "framework/files/exception.h"
#include "framework/files/registry.h"

#include "support/fixtures.h"

#include <QFile>

#include <array>

namespace pellax {
namespace {

TEST(Colors, ListRunsFromStartToEndWithRoundedSteps) {
    std::vector<TColor> list{0x123456};
    BuildColorList(clRed, clBlue, 3, &list);
    EXPECT_EQ(list, (std::vector<TColor>{0x000000FF, 0x0080007F, 0x00FF0000}));
    BuildColorList(clRed, clBlue, 0, &list);  // nothing happens
    EXPECT_EQ(list.size(), 3u);
    BuildColorList(clRed, clBlue, 3, nullptr);

    // A system colour follows the desktop at the moment the list is built.
    Desktop::instance().setSysColor(COLOR_ACTIVECAPTION, 0x000010);
    BuildColorList(clActiveCaption, clBlack, 2, &list);
    Desktop::instance().resetColors();
    EXPECT_EQ(list.front(), 0x000010);
}

TEST(Colors, BandsTileTheRectangleExactly) {
    const std::vector<TRect> bands = gradientBands({0, 0, 100, 10}, 32);
    ASSERT_EQ(bands.size(), 32u);
    const std::array<int, 6> edges{0, 3, 6, 9, 13, 16};
    for (std::size_t i = 0; i < edges.size(); ++i)
        EXPECT_EQ(bands[i].Left, edges[i]) << i;
    for (std::size_t i = 1; i < bands.size(); ++i)
        EXPECT_EQ(bands[i].Left, bands[i - 1].Right);
    EXPECT_EQ(bands.back().Right, 100);
}

TEST(Colors, SettingTextIsThreeBlankSeparatedIntegers) {
    EXPECT_EQ(colorFromSetting(QStringLiteral("255 128 0")), 0x000080FF);
    EXPECT_EQ(colorFromSetting(QStringLiteral("0 0 0")), clBlack);
    for (const char* bad : {"255 128", "255  128 0", "1 2 3 4", "a 2 3", "0x10 0 0", ""})
        EXPECT_THROW(colorFromSetting(QString::fromLatin1(bad)), EConvertError) << bad;
}

// Puts `raw` into the user's store as written, bypassing any quoting.
void setRawActiveGradient(const test::ScopedSettingsStore& store, const QByteArray& raw) {
    QFile hive(store.folder() + QStringLiteral("/HKEY_CURRENT_USER.ini"));
    ASSERT_TRUE(hive.open(QIODevice::WriteOnly));
    hive.write("[Control%20Panel]\nColors\\GradientActiveTitle=" + raw + "\n");
}

QString activeGradientError() {
    try {
        ReadGradientActiveTitle();
    } catch (const EColorSettingError& e) {
        EXPECT_EQ(e.setting(), QStringLiteral("GradientActiveTitle"));
        return e.message();
    }
    return QStringLiteral("no error");
}

TEST(Colors, AMalformedSettingNamesItsFirstBadPartAsWritten) {
    test::ScopedSettingsStore store;
    setRawActiveGradient(store, "1,2,3");
    EXPECT_EQ(activeGradientError(), QStringLiteral("'1,2,3' is not a valid integer value"));
    setRawActiveGradient(store, "red green blue");
    EXPECT_EQ(activeGradientError(), QStringLiteral("'red' is not a valid integer value"));
    setRawActiveGradient(store, QByteArray("0 \0 0", 5));
    EXPECT_EQ(activeGradientError(), QStringLiteral("'\u2400' is not a valid integer value"));
    // Long values are malformed outright, and quoted short.
    setRawActiveGradient(store, QByteArray(1000 * 1000, '7'));
    const QString message = activeGradientError();
    EXPECT_TRUE(message.startsWith(QStringLiteral("'777"))) << message.left(80).toStdString();
    EXPECT_LE(message.size(), 80);
    setRawActiveGradient(store, "1 2 " + QByteArray(61, '0') + '3');
    EXPECT_NE(activeGradientError(), QStringLiteral("no error"));
}

TEST(Colors, AMalformedSettingAtStartGivesWayToTheClassicColourAndIsToldOnce) {
    test::ScopedSettingsStore store;
    setRawActiveGradient(store, "99999999999 0 0");
    std::vector<EColorSettingError> errors;
    ASSERT_NO_THROW(errors = NamedColors::initialise());
    EXPECT_EQ(NamedColors::gradientActiveTitle(), RGB(16, 132, 208));
    EXPECT_EQ(NamedColors::gradientInactiveTitle(), clSilver);
    ASSERT_EQ(errors.size(), 1u);
    const QString notice = malformedColorsNotice(errors, QStringLiteral("/home/u/.config/pellax/HKEY_CURRENT_USER.ini"));
    EXPECT_TRUE(notice.contains(QStringLiteral("/home/u/.config/pellax/HKEY_CURRENT_USER.ini")));
    EXPECT_TRUE(notice.contains(QStringLiteral("GradientActiveTitle: '99999999999' is not a valid integer value.")));
    // A paint that meets the same value later has nothing new to tell; another value has.
    try {
        ReadGradientActiveTitle();
        ADD_FAILURE() << "the malformed value converted";
    } catch (const EColorSettingError& e) {
        EXPECT_FALSE(firstReportOf(e));
    }
    setRawActiveGradient(store, "99999999999 0 1");
    try {
        ReadGradientActiveTitle();
        ADD_FAILURE() << "the malformed value converted";
    } catch (const EColorSettingError& e) {
        EXPECT_TRUE(firstReportOf(e));
        EXPECT_FALSE(firstReportOf(e));
    }
}

TEST(Colors, GradientEndsAreReadAfreshWithTheirFallbacks) {
    test::ScopedSettingsStore store;
    EXPECT_EQ(ReadGradientActiveTitle(), RGB(16, 132, 208));
    EXPECT_EQ(ReadGradientInactiveTitle(), clSilver);

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Control Panel\\Colors"), true));
    reg.WriteString(QStringLiteral("InactiveTitle"), QStringLiteral("1 2 3"));
    reg.WriteString(QStringLiteral("GradientActiveTitle"), QStringLiteral("9 9 x"));
    EXPECT_THROW(ReadGradientActiveTitle(), EConvertError);
    // The desktop's own gradient colour still answers before the inactive caption colour.
    EXPECT_EQ(ReadGradientInactiveTitle(), clSilver);
}

TEST(Colors, GradientPaintsOneSolidBandPerColour) {
    TBitmap bitmap(12, 3);
    GradientFill(bitmap.Canvas(), {0, 0, 12, 3}, clRed, clBlue, 3);
    EXPECT_EQ(bitmap.pixel(0, 0), clRed);
    EXPECT_EQ(bitmap.pixel(3, 2), clRed);
    EXPECT_EQ(bitmap.pixel(4, 1), 0x0080007F);
    EXPECT_EQ(bitmap.pixel(11, 0), clBlue);
}

TEST(Colors, TransparentBitmapKeepsItsBottomLeftColourOut) {
    TBitmap icon(2, 2);
    icon.Canvas().SetBrushColor(clLime);
    icon.Canvas().FillRect({0, 0, 2, 2});
    icon.Canvas().SetBrushColor(clNavy);
    icon.Canvas().FillRect({1, 0, 2, 1});
    TBitmap target(4, 4);
    target.Canvas().SetBrushColor(clWhite);
    target.Canvas().FillRect({0, 0, 4, 4});
    DrawTransparentBitmap(target.Canvas(), {1, 1, 3, 3}, icon, transparentColorOf(icon));
    EXPECT_EQ(target.pixel(2, 1), clNavy);
    EXPECT_EQ(target.pixel(1, 1), clWhite);
    EXPECT_EQ(target.pixel(2, 2), clWhite);
}

}  // namespace
}  // namespace pellax
