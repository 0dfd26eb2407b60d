#pragma once

#include "framework/widgets/windowbuilder.h"

#include <span>
#include <string_view>

namespace pellax {

// The editor window's controls, in creation order.
std::span<const ControlDescription> mainformControls();

// The items of a combo box of the editor window; empty for other names.
std::span<const char* const> mainformComboItems(std::string_view name);

}  // namespace pellax
