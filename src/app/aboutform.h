#pragma once

#include "framework/windows/form.h"

namespace pellax {

class TBitBtn;
class TROTitleBar;
class TTextAnimator;
class TTitler;

// The About window: credits scrolling on a black panel under a colour-animated
// heading, and an OK button that ends its modal show. It has no code of its
// own; everything it does comes from its controls. Created hidden at start-up,
// it lives as long as the program; closing it only hides it.
class Taboutform final : public TForm {
    Q_OBJECT
public:
    explicit Taboutform(QWidget* parent = nullptr);
    ~Taboutform() override;

    // Controls, named as in the window description.
    TTitler* Titler1 = nullptr;
    TTextAnimator* TextAnimator1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TROTitleBar* ROTitleBar1 = nullptr;

private:
    void buildTitleBar();
};

}  // namespace pellax
