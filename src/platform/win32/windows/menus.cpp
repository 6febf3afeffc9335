// Menu bars, pop-up menus and shortcut keys of the forms.
#include <vector>

#include "platform/win32/windows/peer.h"
#include "platform/win32/windows/ui.h"
#include "platform/win32/system/text.h"
#include "platform/menu_item.h"

namespace vl::win32 {

MenuPeer::MenuPeer(FormPeer& form, MenuItem& item, HMENU menu, UINT id)
    : form_(form), item_(&item), menu_(menu), id_(id) {
  item.attachPeer(this);
}

MenuPeer::~MenuPeer() {
  if (item_) item_->attachPeer(nullptr);
  form_.ui().removeMenuCommand(id_);
}

void MenuPeer::sync(Prop what) {
  if (!item_) return;
  if (!item_->parent()) {  // a menu of the bar: build the bar anew
    buildMenus(form_);     // deletes this peer
    return;
  }
  if (what == Prop::Enabled)
    EnableMenuItem(menu_, id_, MF_BYCOMMAND | (item_->enabled() ? MF_ENABLED : MF_GRAYED));
  if (what == Prop::Value)
    CheckMenuItem(menu_, id_, MF_BYCOMMAND | (item_->checked() ? MF_CHECKED : MF_UNCHECKED));
}

namespace {

std::wstring menuText(const MenuItem& item) {
  std::string text = item.caption();
  std::string key = shortcutText(item.shortcut());
  if (!key.empty()) text += "\t" + key;
  return widen(text);
}

void fillMenu(FormPeer& form, HMENU menu, MenuItem& parent, std::vector<ACCEL>& keys) {
  for (MenuItem* item : parent.items()) {
    if (!item->visible()) continue;
    if (item->isSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT id = form.ui().addMenuCommand(*item);
    UINT flags = MF_STRING | (item->enabled() ? MF_ENABLED : MF_GRAYED) |
                 (item->checked() ? MF_CHECKED : MF_UNCHECKED);
    if (!item->items().empty()) {
      HMENU sub = CreatePopupMenu();
      fillMenu(form, sub, *item, keys);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), menuText(*item).c_str());
    } else {
      AppendMenuW(menu, flags, id, menuText(*item).c_str());
    }
    form.menus.push_back(std::make_unique<MenuPeer>(form, *item, menu, id));
    int n = static_cast<int>(item->shortcut());
    if (item->shortcut() == Shortcut::None) continue;
    ACCEL a{};
    a.cmd = static_cast<WORD>(id);
    if (n <= static_cast<int>(Shortcut::CtrlZ)) {
      a.fVirt = FVIRTKEY | FCONTROL;
      a.key = static_cast<WORD>('A' + n - static_cast<int>(Shortcut::CtrlA));
    } else {
      a.fVirt = FVIRTKEY;
      a.key = static_cast<WORD>(VK_F1 + n - static_cast<int>(Shortcut::F1));
    }
    keys.push_back(a);
  }
}

}  // namespace

void destroyMenus(FormPeer& form) {
  form.menus.clear();
  for (auto& [item, popup] : form.popups) DestroyMenu(popup);
  form.popups.clear();
  if (form.accelerators) DestroyAcceleratorTable(form.accelerators);
  form.accelerators = nullptr;
  if (form.menuBar) {
    if (IsWindow(form.hwnd()) && GetMenu(form.hwnd()) == form.menuBar)
      SetMenu(form.hwnd(), nullptr);
    DestroyMenu(form.menuBar);
  }
  form.menuBar = nullptr;
}

void buildMenus(FormPeer& form) {
  auto& f = static_cast<Form&>(*form.control());
  if (f.menus().empty()) return;
  destroyMenus(form);
  HMENU bar = CreateMenu();
  std::vector<ACCEL> keys;
  for (MenuItem* menu : f.menus()) {
    if (!menu->visible()) {
      // A pop-up menu: its items still answer to their shortcut keys.
      HMENU popup = CreatePopupMenu();
      fillMenu(form, popup, *menu, keys);
      form.popups[menu] = popup;
      form.menus.push_back(std::make_unique<MenuPeer>(form, *menu, nullptr, 0));
      continue;
    }
    HMENU sub = CreatePopupMenu();
    fillMenu(form, sub, *menu, keys);
    AppendMenuW(bar, MF_STRING | MF_POPUP | (menu->enabled() ? MF_ENABLED : MF_GRAYED),
                reinterpret_cast<UINT_PTR>(sub), menuText(*menu).c_str());
    form.menus.push_back(std::make_unique<MenuPeer>(form, *menu, bar, 0));
  }
  form.menuBar = bar;
  SetMenu(form.hwnd(), bar);
  if (!keys.empty())
    form.accelerators = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
  DrawMenuBar(form.hwnd());
}

}  // namespace vl::win32
