#include "framework/windows/screen.h"

namespace pellax {

TScreen& TScreen::instance() {
    static TScreen screen;
    return screen;
}

const QCursor* TScreen::Cursor(int index) const {
    const auto it = cursors_.find(index);
    return it == cursors_.end() ? nullptr : &it->second;
}

void TScreen::SetCursor(int index, const QCursor& cursor) { cursors_.insert_or_assign(index, cursor); }

void TScreen::RemoveCursor(int index) { cursors_.erase(index); }

}  // namespace pellax
