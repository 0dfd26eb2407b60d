#pragma once

#include "framework/widgets/windowbuilder.h"

#include <span>

namespace pellax {

// The template list window's controls, in creation order.
std::span<const ControlDescription> templateformControls();

}  // namespace pellax
