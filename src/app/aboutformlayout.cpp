#include "app/aboutformlayout.h"

#include "app/program.h"
#include "controls/textanimator.h"
#include "controls/titler.h"
#include "framework/widgets/bitbtn.h"
#include "framework/windows/form.h"

#include <array>

namespace pellax {

namespace {

using K = ControlKind;

// What a factory sets counts as read from the description, so the control's
// Loaded() runs when the window's loading ends.
template <class T>
T* reading(T* control, const TForm& owner) {
    if (owner.isLoading())
        control->BeginLoading();
    return control;
}

QWidget* makeTitler(const ControlDescription& d, QWidget* parent, TForm& owner) {
    auto* titler = reading(new TTitler(&owner, parent, QString::fromUtf8(d.name)), owner);
    titler->SetInterval(20);
    titler->SetBorderStyle(TBorderStyle::bsNone);
    titler->SetFont(TFont{QStringLiteral("MS Sans Serif"), -13, 0, clLime});
    titler->SetTitles(aboutformCredits());
    return titler;
}

QWidget* makeTextAnimator(const ControlDescription& d, QWidget* parent, TForm& owner) {
    auto* heading = reading(new TTextAnimator(&owner, parent, QString::fromUtf8(d.name)), owner);
    heading->SetCaption(QString::fromUtf8(d.text));
    heading->SetColorStart(clRed);
    heading->SetColorStop(clLime);
    return heading;
}

QWidget* makeBitBtn(const ControlDescription&, QWidget* parent, TForm&) {
    auto* button = new TBitBtn(parent);
    button->SetKind(TBitBtnKind::bkOK);
    return button;
}

// The heading's size comes from its text (auto-size), so none is given here.
constexpr std::array<ControlDescription, 3> kControls = {{
    {"Titler1", K::Custom, "", 0, 0, 377, 257, 0, "", nullptr, makeTitler},
    {"TextAnimator1", K::Custom, "Titler1", 88, 8, 0, 0, -1, "About Pellax", nullptr, makeTextAnimator},
    {"BitBtn1", K::Custom, "", 152, 264, 75, 25, 1, "", nullptr, makeBitBtn},
}};

}  // namespace

std::span<const ControlDescription> aboutformControls() { return kControls; }

QStringList aboutformCredits() {
    const QString rule = QStringLiteral("----================----");
    return {rule,
            QStringLiteral("About Pellax"),
            QStringLiteral("Starcraft GOT file editor V 0.9\t"),
            QStringLiteral("Made by Quorvane"),
            kMakerHomePage,
            QString(),
            rule,
            QStringLiteral("Home page:"),
            QStringLiteral("Quorvane:"),
            kMakerHomePage,
            QString(),
            rule,
            QStringLiteral("Credits:"),
            QStringLiteral("Programmer: Tolvane"),
            QStringLiteral("Concept: Maredd, Tolvane"),
            QStringLiteral("Thanks to: Penrick."),
            QString(),
            QStringLiteral("Pellax 2003 by Tolvane")};
}

}  // namespace pellax
