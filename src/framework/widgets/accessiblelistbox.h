#pragma once

class QAccessibleInterface;

namespace pellax {

class TListBox;

// What screen readers see of a TListBox: a list whose children are the rows on
// screen, and a table of one column with every row, made only when someone asks
// for it. Qt's own list interface gives every row its own object whenever a
// reader walks the list, which for a million rows stalls the program for
// seconds and costs every later change of the list.
//
// Call once before the first list box is asked for its interface; more calls
// change nothing.
void installListBoxAccessibility();

// The row `row` of `list` as screen readers know it, for the events about it;
// null without such a row.
QAccessibleInterface* listBoxRowInterface(TListBox& list, int row);

}  // namespace pellax
