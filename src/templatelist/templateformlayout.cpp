#include "templatelist/templateformlayout.h"

#include <array>

namespace pellax {

namespace {

using K = ControlKind;

constexpr std::array<ControlDescription, 5> kControls = {{
    {"ROLabel1", K::Label, "", 8, 8, 106, 15, -1, "Template file contents", nullptr},
    {"gotlist", K::ListBox, "", 0, 24, 273, 385, 0, "", nullptr},
    {"Button1", K::Button, "", 280, 416, 67, 25, 1, "Add", nullptr},
    {"Button3", K::Button, "", 280, 24, 67, 25, 2, "Delete", nullptr},
    {"curgot", K::Edit, "", 0, 416, 273, 21, 3, "\"\"", nullptr},
}};

}  // namespace

std::span<const ControlDescription> templateformControls() { return kControls; }

}  // namespace pellax
