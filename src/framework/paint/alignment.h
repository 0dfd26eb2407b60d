#pragma once

namespace pellax {

// Horizontal placement of text in a control.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

}  // namespace pellax
