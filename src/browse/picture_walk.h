// Stepping through the pictures of a file list, in the list's own order:
// next, previous, first and last, with no wrap at the ends.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/list_controls.h"

namespace vl {

enum class WalkStep { Next, Previous, First, Last, Delete };

// The step a key asks for: Space, Backspace, Ctrl+Home, Ctrl+End or Delete.
std::optional<WalkStep> walkStepOf(int code);

// Where the item named `name` lies, whatever the letters' case; -1 if nowhere.
int indexOfName(const std::vector<ListItem>& items, const std::string& name);

// Where a step from `from` (-1: from no item) lands among `count` items: an
// end stays where it is, and an empty list has no place (-1). Delete is no
// step: it stays.
int landing(int from, int count, WalkStep step);

// "b.bmp (2 of 3)", and at an end "c.bmp (3 of 3) is the last picture" (or
// the first: a list of one picture has it at both ends).
std::string placeText(const std::string& name, int index, int count);
std::string endText(const std::string& name, int index, int count, bool last);

}  // namespace vl
