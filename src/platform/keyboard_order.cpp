#include "platform/keyboard_order.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "platform/form.h"

namespace vl {

namespace {

bool contains(const Control& outer, const Control& inner) {
  return inner.left() >= outer.left() && inner.top() >= outer.top() &&
         inner.left() + inner.width() <= outer.left() + outer.width() &&
         inner.top() + inner.height() <= outer.top() + outer.height();
}

long long area(const Control& c) {
  return static_cast<long long>(c.width()) * c.height();
}

// The panel or frame beside a control (its sibling) that it lies on: it is
// read with that panel's own controls, as the user sees it.
const Control* backdropOf(const Control& c) {
  const Control* best = nullptr;
  if (!c.parent()) return best;
  for (const Control* s : c.parent()->children())
    if (s != &c && s->isBackdrop() && s->visible() && area(c) < area(*s) && contains(*s, c) &&
        (!best || area(*s) < area(*best)))
      best = s;
  return best;
}

struct Placed {
  Control* control;
  int left, top, height;
};

// In rows from the top, each row from the left. One joins a row when its
// top lies above the middle of the row's first.
std::vector<Control*> inRows(std::vector<Placed> items) {
  std::stable_sort(items.begin(), items.end(), [](const Placed& a, const Placed& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
  });
  for (auto row = items.begin(); row != items.end();) {
    int middle = row->top + std::max(row->height, 1) / 2;
    auto end = std::find_if(row + 1, items.end(), [&](const Placed& p) { return p.top >= middle; });
    std::stable_sort(row, end, [](const Placed& a, const Placed& b) { return a.left < b.left; });
    row = end;
  }
  std::vector<Control*> order;
  for (const Placed& p : items) order.push_back(p.control);
  return order;
}

// What is read within a control: its children and the siblings that lie on it.
std::vector<Control*> readingOrder(const Control& within) {
  std::vector<Placed> items;
  for (Control* c : within.children())
    if (!backdropOf(*c)) items.push_back({c, c->left(), c->top(), c->height()});
  if (within.parent())
    for (Control* s : within.parent()->children())
      if (backdropOf(*s) == &within)
        items.push_back({s, s->left() - within.left(), s->top() - within.top(), s->height()});
  return inRows(std::move(items));
}

// The option buttons of a group (the children of one container) that the
// keyboard reaches, in reading order.
std::vector<Control*> reachableOptions(const Control& container) {
  std::vector<Placed> options;
  for (Control* c : container.children())
    if (c->optionGroup() == &container && c->focusable())
      options.push_back({c, c->left(), c->top(), c->height()});
  return inRows(std::move(options));
}

void collect(const Control& within, std::vector<Control*>& stops,
             std::vector<const Control*>& groupsDone) {
  for (Control* c : readingOrder(within)) {
    if (!c->visible()) continue;
    if (const Control* group = c->optionGroup()) {
      if (!c->focusable() ||
          std::find(groupsDone.begin(), groupsDone.end(), group) != groupsDone.end())
        continue;
      groupsDone.push_back(group);
      std::vector<Control*> options = reachableOptions(*group);
      auto selected = std::find_if(options.begin(), options.end(),
                                   [](const Control* o) { return o->value() != 0; });
      stops.push_back(selected != options.end() ? *selected : c);
      continue;
    }
    if (c->focusable()) stops.push_back(c);
    collect(*c, stops, groupsDone);
  }
}

struct Box {
  long long left, top, right, bottom;
};

// Where the control lies in its form's client area.
Box boxInForm(const Control& c) {
  long long x = c.left(), y = c.top();
  for (const Control* p = c.parent(); p && p->parent(); p = p->parent()) {
    x += p->left();
    y += p->top();
  }
  return {x, y, x + c.width(), y + c.height()};
}

bool isWithin(const Control& inner, const Control& outer) {
  for (const Control* p = &inner; p; p = p->parent())
    if (p == &outer) return true;
  return false;
}

// When the control, or the part of the window it belongs to, was last brought
// to the front.
long raisedLevel(const Control& c) {
  long level = 0;
  for (const Control* p = &c; p; p = p->parent()) level = std::max(level, p->raised());
  return level;
}

void collectRaised(const Control& within, std::vector<const Control*>& raised) {
  for (const Control* c : within.children()) {
    if (c->raised() > 0 && c->shownOnScreen() && c->inSight()) raised.push_back(c);
    collectRaised(*c, raised);
  }
}

// Lies wholly under something brought in front of it (a view or a panel
// raised over the page): the user cannot see it.
bool covered(const Control& c, const std::vector<const Control*>& raised) {
  Box b = boxInForm(c);
  long level = raisedLevel(c);
  for (const Control* over : raised) {
    if (over->raised() <= level || isWithin(c, *over)) continue;
    Box o = boxInForm(*over);
    if (b.left >= o.left && b.top >= o.top && b.right <= o.right && b.bottom <= o.bottom)
      return true;
  }
  return false;
}

}  // namespace

std::vector<Control*> tabOrder(Control& root) {
  std::vector<Control*> stops;
  if (Form* form = root.asForm(); form && !form->designedTabOrder().empty()) {
    for (Control* c : form->designedTabOrder())
      if (c->focusable()) stops.push_back(c);
    return stops;
  }
  std::vector<const Control*> groupsDone;
  collect(root, stops, groupsDone);
  std::vector<const Control*> raised;
  collectRaised(root, raised);
  if (!raised.empty()) std::erase_if(stops, [&](Control* c) { return covered(*c, raised); });
  return stops;
}

Control* nextOption(Control& option, Direction way) {
  if (!option.optionGroup()) return nullptr;
  bool across = way == Direction::Left || way == Direction::Right;
  int sign = way == Direction::Right || way == Direction::Down ? 1 : -1;
  // Centres, doubled so that they stay whole numbers.
  auto along = [&](const Control& c) {
    return across ? 2 * c.left() + c.width() : 2 * c.top() + c.height();
  };
  auto beside = [&](const Control& c) {
    return across ? 2 * c.top() + c.height() : 2 * c.left() + c.width();
  };
  // Whether the two share a column (moving up or down) or a row (moving across).
  auto inLine = [&](const Control& c) {
    int from = across ? option.top() : option.left(),
        size = across ? option.height() : option.width();
    int at = across ? c.top() : c.left(), extent = across ? c.height() : c.width();
    return at < from + size && from < at + extent;
  };
  Control* best = nullptr;
  long long bestScore = 0;
  Control* wrap = nullptr;
  for (Control* c : reachableOptions(*option.optionGroup())) {
    if (c == &option) continue;
    long long ahead = static_cast<long long>(along(*c) - along(option)) * sign;
    long long off = std::abs(static_cast<long long>(beside(*c) - beside(option)));
    if (ahead > 0) {
      // Out of line counts double, so that the neighbour in the column wins.
      long long score = ahead + 2 * off;
      if (!best || score < bestScore) best = c, bestScore = score;
    } else if (ahead < 0 && inLine(*c) && (!wrap || (along(*c) - along(*wrap)) * sign < 0)) {
      wrap = c;
    }
  }
  return best ? best : wrap;
}

std::string labelBefore(const Control& c) {
  if (!c.parent()) return "";
  std::vector<Control*> order = readingOrder(*c.parent());
  auto at = std::find(order.begin(), order.end(), &c);
  if (at == order.begin() || at == order.end()) return "";
  const Control& before = **std::prev(at);
  if (!before.namesNext() || before.text().empty()) return "";
  // Its caption without the colon that points at the control.
  std::string text = withoutAmpersand(before.text());
  while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
  return text;
}

std::string withoutAmpersand(const std::string& caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&&" stands for one
    out += caption[i];
  }
  return out;
}

}  // namespace vl
