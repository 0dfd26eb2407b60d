#pragma once

#include <functional>

class QWidget;

namespace pellax {

// Calls `then` once, from the event loop, after `window` has been painted for
// the first time: its first frame is on its way to the screen by then. Nothing
// happens when the window goes first.
void afterFirstPaint(QWidget& window, std::function<void()> then);

}  // namespace pellax
