#pragma once

class QWidget;

namespace pellax::bench {

// Waits for `window`'s first frame: once the window has been exposed and
// painted and that paint has been flushed, writes "peak_kb <VmHWM> cpu_us <CPU
// time of the process>" to standard output and ends the process at once, so
// that tearing down is not counted.
// A window that never shows ends the process with status 3 after 30 s.
// Call before the window is shown, with the QApplication in place.
void exitOnFirstFrame(const QWidget& window);

}  // namespace pellax::bench
