#pragma once

#include <QPalette>

class QApplication;

namespace pellax {

// The palette of the emulated desktop's colour scheme: grey faces, 3-D edges
// from the highlight and shadow colours, navy selection.
QPalette classicPalette();

// The classic style and palette for the whole program; windows then colour
// their own client areas.
void applyClassicLook(QApplication& app);

}  // namespace pellax
