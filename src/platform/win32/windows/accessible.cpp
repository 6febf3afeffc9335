#include "platform/win32/windows/accessible.h"

#include <oleacc.h>

#include <memory>
#include <string>

#include "platform/control.h"
#include "platform/win32/system/com_ref.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/ui.h"

namespace vl::win32 {

namespace {

long roleOf(Role role) {
  switch (role) {
    case Role::PushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case Role::CheckButton:
      return ROLE_SYSTEM_CHECKBUTTON;
    case Role::RadioButton:
      return ROLE_SYSTEM_RADIOBUTTON;
    case Role::StaticText:
      return ROLE_SYSTEM_STATICTEXT;
    case Role::Text:
      return ROLE_SYSTEM_TEXT;
    case Role::Grouping:
      return ROLE_SYSTEM_GROUPING;
    case Role::Pane:
      return ROLE_SYSTEM_PANE;
    case Role::PageTabList:
      return ROLE_SYSTEM_PAGETABLIST;
    case Role::StatusBar:
      return ROLE_SYSTEM_STATUSBAR;
    case Role::Graphic:
      return ROLE_SYSTEM_GRAPHIC;
    case Role::ProgressBar:
      return ROLE_SYSTEM_PROGRESSBAR;
    case Role::ComboBox:
      return ROLE_SYSTEM_COMBOBOX;
    case Role::List:
      return ROLE_SYSTEM_LIST;
    case Role::ScrollBar:
      return ROLE_SYSTEM_SCROLLBAR;
    case Role::Window:
      break;
  }
  return ROLE_SYSTEM_CLIENT;
}

bool isSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's object for the window, answering for the control itself
// (not for items inside it, which the system knows) with the control's own
// name, role and value, read when asked: captions change.
class ControlAccessible final : public IAccessible {
 public:
  ControlAccessible(WindowPeer& peer, ComRef<IAccessible> standard)
      : peer_(&peer),
        alive_(peer.alive()),
        standard_(std::move(standard)),
        libraries_(peer.ui().libraries()) {}
  ControlAccessible(const ControlAccessible&) = delete;
  ControlAccessible& operator=(const ControlAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) ||
        riid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // The children's enumeration and the window it stands for are the system's.
    if (riid == __uuidof(IEnumVARIANT) || riid == __uuidof(IOleWindow))
      return standard_.get()->QueryInterface(riid, out);
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    return standard_.get()->GetTypeInfoCount(n);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID lcid, ITypeInfo** info) override {
    return standard_.get()->GetTypeInfo(i, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT n, LCID lcid,
                                          DISPID* ids) override {
    return standard_.get()->GetIDsOfNames(riid, names, n, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* error,
                                   UINT* badArgument) override {
    return standard_.get()->Invoke(id, riid, lcid, flags, params, result, error, badArgument);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_.get()->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override {
    return standard_.get()->get_accChildCount(n);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return standard_.get()->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    const Control* c = isSelf(child) ? control() : nullptr;
    if (!c) return standard_.get()->get_accName(child, name);
    return answer(c->accessibleName(), name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    const Control* c = isSelf(child) ? control() : nullptr;
    std::string own = c ? c->accessibleValue() : std::string();
    if (own.empty()) return standard_.get()->get_accValue(child, value);
    return answer(own, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return standard_.get()->get_accDescription(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const Control* c = isSelf(child) ? control() : nullptr;
    if (!c || c->role() == Role::Window) return standard_.get()->get_accRole(child, role);
    if (!role) return E_POINTER;
    *role = VARIANT{};
    role->vt = VT_I4;
    role->lVal = roleOf(c->role());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_.get()->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_.get()->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_.get()->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_.get()->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_.get()->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_.get()->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_.get()->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override {
    return standard_.get()->accSelect(how, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_.get()->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT start, VARIANT* end) override {
    return standard_.get()->accNavigate(dir, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return standard_.get()->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_.get()->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_.get()->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_.get()->put_accValue(child, value);
  }

 private:
  ~ControlAccessible() = default;

  // The control while its window lives: a screen reader may keep the object
  // after the window has gone, and its handle may by then be another's.
  const Control* control() const { return alive_.expired() ? nullptr : peer_->control(); }
  // A string for the screen reader, from oleaut32, which is loaded only now:
  // a program that imports it loads the COM libraries at every start.
  HRESULT answer(const std::string& text, BSTR* out) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    auto allocate =
        libraries_.function<decltype(&::SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
    if (!allocate) return E_OUTOFMEMORY;
    std::wstring wide = widen(text);
    *out = allocate(wide.data(), static_cast<UINT>(wide.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
  }

  LONG refs_ = 1;
  WindowPeer* peer_;
  std::weak_ptr<const void> alive_;  // expires with the peer
  ComRef<IAccessible> standard_;
  SystemLibraries& libraries_;
};

}  // namespace

bool answerAccessibleObject(WindowPeer& peer, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (static_cast<LONG>(lp) != OBJID_CLIENT || !peer.control()) return false;
  Win32Ui& ui = peer.ui();
  if (!ui.com().enter()) return false;
  // oleacc is loaded only once a screen reader (or a test) asks.
  auto standardObject = ui.libraries().function<decltype(&::CreateStdAccessibleObject)>(
      L"oleacc.dll", "CreateStdAccessibleObject");
  auto fromObject =
      ui.libraries().function<decltype(&::LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
  if (!standardObject || !fromObject) return false;
  ComRef<IAccessible> standard;
  if (FAILED(
          standardObject(peer.hwnd(), OBJID_CLIENT, __uuidof(IAccessible), standard.putVoid())) ||
      !standard)
    return false;
  auto* own = new ControlAccessible(peer, std::move(standard));
  result = fromObject(__uuidof(IAccessible), wp, own);
  own->Release();
  return true;
}

}  // namespace vl::win32
