#pragma once

#include <QProxyStyle>

namespace pellax {

// Qt's "Windows" style, with the two chevrons of a menu bar's or tool bar's
// overflow button drawn by code. Qt's own style loads them from six pictures
// for every menu bar it makes, which costs a few per cent of the start-up; the
// button only shows when a bar is too narrow for its menus.
class ClassicStyle final : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace pellax
