#include "templatelist/templateformlayout.h"

#include "controls/label.h"
#include "framework/windows/form.h"

#include <array>

namespace pellax {

namespace {

using K = ControlKind;

// The heading: a bevelled label whose bevel, in bmCustom with no styles,
// draws nothing; it takes the window's font and colour and sizes to its text.
QWidget* makeHeading(const ControlDescription& d, QWidget* parent, TForm& owner) {
    auto* label = new TROLabel(&owner, parent, QString::fromUtf8(d.name));
    label->Bevel().SetMode(bmCustom);
    label->Bevel().SetStandardStyle(lsSingleLowered);
    label->SetCaption(QString::fromUtf8(d.text));
    return label;
}

constexpr std::array<ControlDescription, 5> kControls = {{
    {"ROLabel1", K::Custom, "", 8, 8, 106, 15, -1, "Template file contents", nullptr, makeHeading},
    {"gotlist", K::ListBox, "", 0, 24, 273, 385, 0, "", nullptr},
    {"Button1", K::Button, "", 280, 416, 67, 25, 1, "Add", nullptr},
    {"Button3", K::Button, "", 280, 24, 67, 25, 2, "Delete", nullptr},
    {"curgot", K::Edit, "", 0, 416, 273, 21, 3, "\"\"", nullptr},
}};

}  // namespace

std::span<const ControlDescription> templateformControls() { return kControls; }

}  // namespace pellax
