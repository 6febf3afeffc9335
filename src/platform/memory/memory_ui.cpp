#include "platform/memory/memory_ui.h"

#include <algorithm>

namespace vl {

// Frame sizes of a standard screen: 3-pixel borders, an 18-pixel caption, a
// 19-pixel menu bar.
void MemoryUi::load(Form& form) {
  int menuBar = 0;
  for (const MenuItem* m : form.menus())
    if (m->visible()) menuBar = 19 * 15;
  form.setActualBounds(form.left(), form.top(), form.clientWidth() + 6 * 15,
                       form.clientHeight() + 24 * 15 + menuBar);
  loadedForms.push_back(form.name());
}

void MemoryUi::unload(Form& form) {
  auto it = std::find(loadedForms.begin(), loadedForms.end(), form.name());
  if (it != loadedForms.end()) loadedForms.erase(it);
}

void MemoryUi::messageBox(Form* owner, const std::string& text, const std::string& title,
                          MsgIcon icon) {
  messages.push_back({owner ? owner->name() : std::string(), text, title, icon});
}

void MemoryUi::setScreen(int widthPx, int heightPx, int twipsPerPixel) {
  screenInfo = {widthPx * twipsPerPixel, heightPx * twipsPerPixel, twipsPerPixel, twipsPerPixel,
                1440 / twipsPerPixel};
}

}  // namespace vl
