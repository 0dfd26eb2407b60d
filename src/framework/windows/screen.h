#pragma once

#include <QCursor>

#include <map>

namespace pellax {

// The screen's table of cursors by number, where a program installs cursors of
// its own beside the standard ones (which have the numbers 0 to -22).
class TScreen {
public:
    static TScreen& instance();

    // The cursor of that number; nullptr when none is installed.
    const QCursor* Cursor(int index) const;
    void SetCursor(int index, const QCursor& cursor);
    void RemoveCursor(int index);

private:
    TScreen() = default;
    std::map<int, QCursor> cursors_;
};

}  // namespace pellax
