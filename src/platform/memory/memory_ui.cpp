#include "platform/memory/memory_ui.h"

#include <algorithm>
#include <cctype>

namespace vl {

namespace {

class MemoryPicture : public Picture {
 public:
  MemoryPicture(int w, int h, bool incomplete) : w_(w), h_(h), incomplete_(incomplete) {}
  int widthTwips() const override { return w_; }
  int heightTwips() const override { return h_; }
  bool incomplete() const override { return incomplete_; }

 private:
  int w_, h_;
  bool incomplete_;
};

}  // namespace

bool MemoryPictureDecoder::AnyCase::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

PictureLoad MemoryPictureDecoder::decode(const std::string& source) {
  ++decodes[source];
  if (source.rfind("res:", 0) == 0) return {std::make_shared<MemoryPicture>(480, 480, false), {}};
  if (auto refused = refused_.find(source); refused != refused_.end())
    return {nullptr, refused->second};
  auto it = sizes_.find(source);
  if (it == sizes_.end()) return {nullptr, "The system cannot find the file specified."};
  return {
      std::make_shared<MemoryPicture>(it->second.width, it->second.height, it->second.incomplete),
      {}};
}

void MemoryPictureDecoder::add(const std::string& path, int widthTwips, int heightTwips,
                               bool incomplete) {
  sizes_[path] = {widthTwips, heightTwips, incomplete, ++writes_};
}

void MemoryPictureDecoder::replace(const std::string& path, int widthTwips, int heightTwips) {
  add(path, widthTwips, heightTwips);
}

void MemoryPictureDecoder::remove(const std::string& path) {
  sizes_.erase(path);
}

std::optional<std::uint64_t> MemoryPictureDecoder::version(const std::string& source) {
  if (source.rfind("res:", 0) == 0) return 0;
  if (refused_.contains(source)) return 0;
  auto it = sizes_.find(source);
  if (it == sizes_.end()) return std::nullopt;
  return it->second.version;
}

// A timer's time since it was last started.
class MemoryUi::TimerClock : public ControlPeer {
 public:
  TimerClock(MemoryUi& ui, Timer& timer) : ui_(ui), timer_(&timer) { timer.attachPeer(this); }
  ~TimerClock() override {
    if (timer_) timer_->attachPeer(nullptr);
  }
  void sync(Prop what) override {
    if (what == Prop::Enabled || what == Prop::Limits) elapsed_ = 0;
  }
  void release() override {
    timer_ = nullptr;
    std::erase(ui_.clocks_, this);
    delete this;
  }
  // How many ticks are due after ms more.
  int due(int ms) {
    if (!timer_ || !timer_->running()) return 0;
    elapsed_ += ms;
    int ticks = elapsed_ / timer_->interval();
    elapsed_ %= timer_->interval();
    return ticks;
  }
  void tick() {
    if (timer_) timer_->elapse();
  }
  Form* form() { return timer_ ? timer_->form() : nullptr; }

 private:
  MemoryUi& ui_;
  Timer* timer_;
  int elapsed_ = 0;
};

namespace {
void collectTimers(Control& c, std::vector<Timer*>& out) {
  for (Control* child : c.children()) {
    if (auto* timer = dynamic_cast<Timer*>(child)) out.push_back(timer);
    collectTimers(*child, out);
  }
}
}  // namespace

// Frame sizes of a standard screen: 3-pixel borders, an 18-pixel caption, a
// 19-pixel menu bar.
bool MemoryUi::load(Form& form) {
  if (refusedForms.contains(form.name())) return false;
  int menuBar = 0;
  for (const MenuItem* m : form.menus())
    if (m->visible()) menuBar = 19 * 15;
  form.setActualBounds(form.left(), form.top(), form.clientWidth() + 6 * 15,
                       form.clientHeight() + 24 * 15 + menuBar);
  loadedForms.push_back(form.name());
  std::vector<Timer*> timers;
  collectTimers(form, timers);
  for (Timer* t : timers) clocks_.push_back(new TimerClock(*this, *t));
  return true;
}

void MemoryUi::unload(Form& form) {
  auto it = std::find(loadedForms.begin(), loadedForms.end(), form.name());
  if (it != loadedForms.end()) loadedForms.erase(it);
  std::vector<TimerClock*> gone;
  for (TimerClock* clock : clocks_)
    if (clock->form() == &form) gone.push_back(clock);
  for (TimerClock* clock : gone) {
    std::erase(clocks_, clock);
    delete clock;
  }
}

void MemoryUi::advance(int ms) {
  // A tick may stop timers or unload their form: walk a copy, and only the
  // clocks still here.
  auto present = [this](TimerClock* c) {
    return std::find(clocks_.begin(), clocks_.end(), c) != clocks_.end();
  };
  std::vector<TimerClock*> now = clocks_;
  for (TimerClock* clock : now) {
    if (!present(clock)) continue;
    for (int ticks = clock->due(ms); ticks > 0 && present(clock); --ticks) clock->tick();
  }
}

void MemoryUi::showMessageBox(Form* owner, const std::string& text, const std::string& title,
                              MsgIcon icon) {
  messages.push_back({owner ? owner->name() : std::string(), text, title, icon});
  if (WhileModal) WhileModal();
}

void MemoryUi::setScreen(int widthPx, int heightPx, int twipsPerPixel) {
  screenInfo = {widthPx * twipsPerPixel, heightPx * twipsPerPixel, twipsPerPixel, twipsPerPixel,
                1440 / twipsPerPixel};
}

}  // namespace vl
