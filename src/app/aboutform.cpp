#include "app/aboutform.h"

#include "app/aboutformlayout.h"
#include "controls/textanimator.h"
#include "controls/titlebar.h"
#include "controls/titler.h"
#include "framework/bitbtn.h"

namespace pellax {

Taboutform::Taboutform(QWidget* parent) : TForm(QStringLiteral("aboutform"), parent) {
    BeginLoading();
    SetCaption(QString());
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
    TROTitleBar& bar = make<TROTitleBar>(QStringLiteral("ROTitleBar1"));
    ROTitleBar1 = &bar;
    bar.SetColors(128);
    bar.SetFont(TFont{QStringLiteral("MS Sans Serif"), -16, 0, clWindowText});
    TRO3DCaption& effect = bar.Font3D();
    effect.SetShadowDepth(2);
    effect.SetLightColor(clWhite);
    effect.SetShadowColor(clBlack);
    effect.SetStyle(TROThreeDStyle::tdRaisedShadow);
    bar.SetActiveStartColor(clRed);
    bar.SetActiveEndColor(clBlue);
    bar.SetInActiveStartColor(clGray);
    bar.SetInActiveEndColor(clSilver);
}

Taboutform::~Taboutform() = default;

}  // namespace pellax
