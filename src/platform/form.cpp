#include "platform/form.h"
#include "platform/ui.h"

#include <algorithm>

namespace vl {

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

void Form::centerOn(const MonitorArea& m) {
  setBounds(m.left + (m.width - width()) / 2, m.top + (m.height - height()) / 2, width(), height());
}

bool Form::userKeyPreview(int code, Control* focused) {
  if (!KeyPreview || (focused && focused->takesKey(code))) return false;
  if (!ui_.acceptsInput(this)) return false;
  return KeyPreview(code, focused);
}

bool Form::userDialogKey(int keyCode, Control* focused) {
  if (keyCode == key::Enter && focused) {
    if (focused->takesEnter()) return false;
    if (focused->userEnter()) return true;
  }
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
    if (TabStrip* tabs = c->asTabStrip()) return tabs;
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

}  // namespace vl
