#include "framework/widgets/classiclook.h"

#include "framework/widgets/classicstyle.h"

#include "framework/paint/desktop.h"
#include "framework/paint/font.h"

#include <QApplication>

namespace pellax {

QPalette classicPalette() {
    const auto sys = [](int index) { return toQColor(systemColor(index)); };
    QPalette pal;
    pal.setColor(QPalette::Window, sys(COLOR_BTNFACE));
    pal.setColor(QPalette::WindowText, sys(COLOR_WINDOWTEXT));
    pal.setColor(QPalette::Base, sys(COLOR_WINDOW));
    pal.setColor(QPalette::AlternateBase, sys(COLOR_BTNFACE));
    pal.setColor(QPalette::Text, sys(COLOR_WINDOWTEXT));
    pal.setColor(QPalette::Button, sys(COLOR_BTNFACE));
    pal.setColor(QPalette::ButtonText, sys(COLOR_BTNTEXT));
    pal.setColor(QPalette::Light, sys(COLOR_BTNHIGHLIGHT));
    pal.setColor(QPalette::Midlight, sys(COLOR_3DLIGHT));
    pal.setColor(QPalette::Mid, sys(COLOR_BTNSHADOW));
    pal.setColor(QPalette::Dark, sys(COLOR_BTNSHADOW));
    pal.setColor(QPalette::Shadow, sys(COLOR_3DDKSHADOW));
    pal.setColor(QPalette::Highlight, sys(COLOR_HIGHLIGHT));
    pal.setColor(QPalette::HighlightedText, sys(COLOR_HIGHLIGHTTEXT));
    pal.setColor(QPalette::ToolTipBase, sys(COLOR_INFOBK));
    pal.setColor(QPalette::ToolTipText, sys(COLOR_INFOTEXT));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, sys(COLOR_GRAYTEXT));
    pal.setColor(QPalette::Disabled, QPalette::Text, sys(COLOR_GRAYTEXT));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, sys(COLOR_GRAYTEXT));
    return pal;
}

void applyClassicLook(QApplication& app) {
    QApplication::setStyle(new ClassicStyle);  // the application takes it over
    QApplication::setPalette(classicPalette());
    app.setFont(toQFont(TFont{}));
}

}  // namespace pellax
