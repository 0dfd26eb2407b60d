#pragma once

#include "controls/titlebardescription.h"
#include "framework/widgets/windowbuilder.h"

#include <span>
#include <string_view>

namespace pellax {

// The editor window's controls, in creation order.
std::span<const ControlDescription> mainformControls();

// The editor's title bar, which the windows it opens share.
const TitleBarDescription& mainformTitleBar();

// The items of a combo box of the editor window; empty for other names.
std::span<const char* const> mainformComboItems(std::string_view name);

}  // namespace pellax
