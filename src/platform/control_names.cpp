// What a screen reader calls each kind of control, and what it reads of it.
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/keyboard_order.h"
#include "platform/list_controls.h"

namespace vl {

namespace {

// "Frame: what", or the one that is there.
std::string joinedName(const std::string& frame, const std::string& what) {
  if (frame.empty() || frame == what) return what;
  return what.empty() ? frame : frame + ": " + what;
}

std::string groupOf(const Control& c) {
  return c.parent() ? c.parent()->groupName() : "";
}

// What the label before a control and the frame round it say it is, else its
// help text, else what it is in general.
std::string namedByLabel(const Control& c, const char* general) {
  std::string name = joinedName(groupOf(c), labelBefore(c));
  if (!name.empty()) return name;
  return c.help().empty() ? general : c.help();
}

}  // namespace

std::string Control::accessibleName() const {
  std::string caption = withoutAmpersand(text());
  // "+", "-" or "X" says less than the help text beside it.
  return caption.size() > 1 || help().empty() ? caption : help();
}

std::string Frame::groupName() const {
  return withoutAmpersand(text());
}

std::string Panel::groupName() const {
  return text().empty() ? groupOf(*this) : "";
}

std::string Form::groupName() const {
  return withoutAmpersand(text());
}

std::string TextBox::accessibleName() const {
  return namedByLabel(*this, "Text");
}

std::string ScrollBar::accessibleName() const {
  return namedByLabel(*this, orientation_ == Orientation::Vertical ? "Vertical scroll bar"
                                                                   : "Horizontal scroll bar");
}

std::string ProgressBar::accessibleName() const {
  return namedByLabel(*this, "Progress");
}

std::string ProgressBar::accessibleValue() const {
  return std::to_string(static_cast<long long>(value()) * 100 / (max_ > 0 ? max_ : 1)) + "%";
}

std::string ListControl::accessibleName() const {
  return joinedName(groupOf(*this), itemsNoun());
}

}  // namespace vl
