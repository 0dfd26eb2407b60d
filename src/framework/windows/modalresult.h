#pragma once

namespace pellax {

// The result of a modal show: what ended it. A button of a window sets its
// window's ModalResult when clicked; mrNone keeps the window open.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

}  // namespace pellax
