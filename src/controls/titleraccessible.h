#pragma once

namespace pellax {

// Screen readers see a credits panel (TTitler) as static text named by its
// accessible name whose text is every one of its lines, one per line, however
// far they have scrolled. Call before the first panel is asked for its
// accessible interface; more calls change nothing.
void installTitlerAccessibility();

}  // namespace pellax
