#pragma once

#include "framework/widgets/windowbuilder.h"

#include <QStringList>

#include <span>

namespace pellax {

// The About window's controls, in creation order: the credits panel, the
// heading on it and the OK button.
std::span<const ControlDescription> aboutformControls();

// The credit lines of the panel, top to bottom.
QStringList aboutformCredits();

}  // namespace pellax
