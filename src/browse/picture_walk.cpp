#include "browse/picture_walk.h"

#include <algorithm>

#include "platform/files.h"

namespace vl {

std::optional<WalkStep> walkStepOf(int code) {
  switch (code) {
    case key::Space:
      return WalkStep::Next;
    case key::Backspace:
      return WalkStep::Previous;
    case key::Ctrl | key::Home:
      return WalkStep::First;
    case key::Ctrl | key::End:
      return WalkStep::Last;
    case key::Delete:
      return WalkStep::Delete;
    default:
      return std::nullopt;
  }
}

int indexOfName(const std::vector<ListItem>& items, const std::string& name) {
  auto it = std::find_if(items.begin(), items.end(),
                         [&name](const ListItem& item) { return samePath(item.text, name); });
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

int landing(int from, int count, WalkStep step) {
  if (count <= 0) return -1;
  int last = count - 1;
  switch (step) {
    case WalkStep::First:
      return 0;
    case WalkStep::Last:
      return last;
    case WalkStep::Next:
      return from < 0 ? 0 : std::min(from + 1, last);
    case WalkStep::Previous:
      // From no picture of the list, the step back starts at its end.
      return from < 0 ? last : std::max(std::min(from, last) - 1, 0);
    case WalkStep::Delete:
      return std::min(from, last);
  }
  return -1;
}

std::string placeText(const std::string& name, int index, int count) {
  return name + " (" + std::to_string(index + 1) + " of " + std::to_string(count) + ")";
}

std::string endText(const std::string& name, int index, int count, bool last) {
  return placeText(name, index, count) + (last ? " is the last picture" : " is the first picture");
}

}  // namespace vl
