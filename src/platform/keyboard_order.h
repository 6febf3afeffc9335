// The order the keyboard visits a window's controls in, and the names a
// screen reader speaks for them.
#pragma once

#include <string>
#include <vector>

namespace vl {

class Control;

// The controls Tab visits, in reading order: top to bottom, left to right,
// into frames and panels. Of a group of option buttons only one is visited,
// the selected one (else the first), where the group begins.
std::vector<Control*> tabOrder(Control& root);

enum class Direction { Left, Up, Right, Down };

// The option button an arrow key moves to from this one: of its group's
// options that the keyboard reaches, the nearest that lies that way on the
// screen, in its column or row before any other; at the edge, round to the
// far end of the same column or row. Null when it has no such neighbour.
Control* nextOption(Control& option, Direction way);

// What a screen reader calls the control: its caption; for a button with a
// picture only, its help text; for a list, a text box or a bar, what its
// label or frame says it is.
std::string accessibleName(const Control& c);
// The value a screen reader reads with the name: a bar's position, a text
// box's text; empty for controls without one.
std::string accessibleValue(const Control& c);

}  // namespace vl
