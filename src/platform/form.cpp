#include "platform/form.h"

#include <algorithm>

namespace vl {

std::string shortcutText(Shortcut s) {
  int n = static_cast<int>(s);
  if (s == Shortcut::None) return {};
  std::string text;
  if (n <= static_cast<int>(Shortcut::CtrlZ)) {
    text = "Ctrl+";
    text.push_back(static_cast<char>('A' + n - static_cast<int>(Shortcut::CtrlA)));
  } else {
    text = "F" + std::to_string(n - static_cast<int>(Shortcut::F1) + 1);
  }
  return text;
}

MenuItem::MenuItem(Form& form, MenuItem* parent, std::string name, std::string caption,
                   Shortcut shortcut)
    : form_(form),
      parent_(parent),
      name_(std::move(name)),
      caption_(std::move(caption)),
      shortcut_(shortcut) {
  if (parent_)
    parent_->items_.push_back(this);
  else
    form_.registerMenu(this);
}

MenuItem::~MenuItem() {
  if (peer_) peer_->release();
}

void MenuItem::changed(Prop what) {
  if (peer_) peer_->sync(what);
}

void MenuItem::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  changed(Prop::Enabled);
}

void MenuItem::setChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  changed(Prop::Value);
}

void MenuItem::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  changed(Prop::Visible);
}

void MenuItem::userClick() {
  if (!actsWhileBusy_ && !form_.ui().acceptsInput(&form_)) return;
  for (const MenuItem* m = this; m; m = m->parent_)
    if (!m->enabled_) return;
  if (Click) Click();
}

Form::Form(Ui& ui, std::string name, std::string caption, int clientWidth, int clientHeight)
    : Control(nullptr, std::move(name), ControlKind::Form),
      ui_(ui),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {
  setText(std::move(caption));
  setVisible(false);
}

Form::~Form() {
  if (!loaded_) return;
  unloadOwned();
  loaded_ = false;
  ui_.formUnloaded(*this);
  ui_.unload(*this);
}

bool Form::load() {
  if (loaded_) return true;
  if (!ui_.load(*this)) return false;
  loaded_ = true;
  ui_.formLoaded(*this);
  Load();
  return true;
}

void Form::show() {
  if (load()) setVisible(true);
}

void Form::unload() {
  if (!loaded_) return;
  unloadOwned();
  loaded_ = false;
  Unload();
  ui_.formUnloaded(*this);
  ui_.unload(*this);
  setVisible(false);
}

void Form::unloadOwned() {
  std::vector<Form*> forms = ui_.loadedForms();  // a copy: each unload changes the list
  for (Form* f : forms)
    if (f->owner_ == this) f->unload();
}

void Form::center() {
  ScreenInfo s = ui_.screen();
  setBounds((s.width - width()) / 2, (s.height - height()) / 2, width(), height());
}

bool Form::userDialogKey(int keyCode) {
  CommandButton* button = keyCode == key::Enter    ? defaultButton_
                          : keyCode == key::Escape ? cancelButton_
                                                   : nullptr;
  if (!button) return false;
  button->userClick();
  return true;
}

void Form::userCloseRequest() {
  if (CloseRequest) CloseRequest();
}

TabStrip* Form::tabStrip() {
  std::vector<Control*> pending{this};
  while (!pending.empty()) {
    Control* c = pending.back();
    pending.pop_back();
    if (auto* tabs = dynamic_cast<TabStrip*>(c)) return tabs;
    pending.insert(pending.end(), c->children().rbegin(), c->children().rend());
  }
  return nullptr;
}

bool Form::userAltKey(char letter) {
  return AltKey && ui().acceptsInput(this) && AltKey(letter);
}

void Form::setActualBounds(int left, int top, int width, int height) {
  ControlPeer* p = peer();
  attachPeer(nullptr);  // the window already has this size
  setBounds(left, top, width, height);
  attachPeer(p);
}

void Ui::formLoaded(Form& form) {
  loaded_.push_back(&form);
}

void Ui::formUnloaded(Form& form) {
  std::erase(loaded_, &form);
  // Its controls' events have nobody to act on them any more.
  std::erase_if(waiting_, [&](const Waiting& w) { return w.form == &form; });
}

void Ui::unloadAll() {
  while (!loaded_.empty()) loaded_.back()->unload();
}

void Ui::beginBusy(Form& window, std::function<void()> cancel) {
  busy_.push_back({&window, std::move(cancel)});
}

void Ui::endBusy() {
  if (!busy_.empty()) busy_.pop_back();
  runWaiting();
}

void Ui::cancelBusy() {
  // A cancel may end its operation at once: walk a copy.
  auto operations = busy_;
  for (auto it = operations.rbegin(); it != operations.rend(); ++it)
    if (it->cancel) it->cancel();
}

void Ui::whenIdle(std::function<void()> step) {
  if (busy_.empty())
    step();
  else
    waiting_.push_back({nullptr, nullptr, std::move(step)});
}

bool Ui::whenIdleFor(Control& control, std::function<void()> step) {
  for (const Waiting& w : waiting_)
    if (w.control == &control) return false;
  waiting_.push_back({&control, control.form(), std::move(step)});
  runWaiting();
  return true;
}

namespace {
MenuItem* carrying(const std::vector<MenuItem*>& items, Shortcut s) {
  for (MenuItem* item : items) {
    if (!item->visible()) continue;
    if (item->shortcut() == s) return item;
    if (MenuItem* inner = carrying(item->items(), s)) return inner;
  }
  return nullptr;
}
}  // namespace

bool Ui::userShortcutWhileBusy(Form& typedIn, Shortcut s) {
  if (s == Shortcut::None) return false;
  MenuItem* item = carrying(typedIn.menus(), s);
  for (auto it = loaded_.begin(); !item && it != loaded_.end(); ++it)
    item = carrying((*it)->menus(), s);
  if (!item) return false;
  item->userClick();
  return true;
}

// One step at a time: a step may close forms, whose steps then go, or start
// an operation, behind which the rest waits again.
void Ui::runWaiting() {
  while (busy_.empty() && !waiting_.empty()) {
    auto step = std::move(waiting_.front().step);
    waiting_.erase(waiting_.begin());
    step();
  }
}

}  // namespace vl
