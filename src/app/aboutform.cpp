#include "app/aboutform.h"

#include "app/aboutformlayout.h"
#include "controls/textanimator.h"
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
    EndLoading();
}

Taboutform::~Taboutform() = default;

}  // namespace pellax
