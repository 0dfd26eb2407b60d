#include "app/aboutform.h"

#include "app/aboutformlayout.h"
#include "controls/textanimator.h"
#include "controls/titlebar.h"
#include "controls/titlebardescription.h"
#include "controls/titler.h"
#include "framework/widgets/bitbtn.h"

namespace pellax {

Taboutform::Taboutform(QWidget* parent) : TForm(QStringLiteral("aboutform"), parent) {
    BeginLoading();
    SetCaption(QString());
    // The caption is empty: a screen reader needs the window named.
    setAccessibleName(QStringLiteral("About Pellax"));
    SetBorderStyle(TFormBorderStyle::bsToolWindow);
    SetBorderIcons(0);
    SetPosition(TPosition::poMainFormCenter);
    SetColor(clBlack);
    SetFont(TFont{QStringLiteral("MS Sans Serif"), -11, 0, clWindowText});
    SetClientSize(383, 291);

    const BuiltControls c =
        buildControls(*this, aboutformControls(), [](std::string_view) { return std::span<const char* const>{}; });
    Titler1 = &c.require<TTitler>(QStringLiteral("Titler1"));
    TextAnimator1 = &c.require<TTextAnimator>(QStringLiteral("TextAnimator1"));
    BitBtn1 = &c.require<TBitBtn>(QStringLiteral("BitBtn1"));
    buildTitleBar();
    EndLoading();
}

// A small red-to-blue caption whose text stands out raised with a shadow.
void Taboutform::buildTitleBar() {
    static const TitleBarDescription kTitleBar{128, TFont{QStringLiteral("MS Sans Serif"), -16, 0, clWindowText},
                                               1, 2, clWhite, clBlack, TROThreeDStyle::tdRaisedShadow,
                                               clRed, clBlue, clGray, clSilver};
    ROTitleBar1 = &make<TROTitleBar>(QStringLiteral("ROTitleBar1"));
    describeTitleBar(*ROTitleBar1, kTitleBar);
}

Taboutform::~Taboutform() = default;

}  // namespace pellax
