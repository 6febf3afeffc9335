// The order the keyboard visits a window's controls in, and which label
// names a control.
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

// The caption of the label read just before the control, without the colon
// that points at the control; "" when the control before it is no label.
std::string labelBefore(const Control& c);
// A caption as it reads: "&&" is one ampersand, a lone one marks the mnemonic.
std::string withoutAmpersand(const std::string& caption);

}  // namespace vl
