#include "fenwix/access/accessible_item.h"

#include <atomic>
#include <new>
#include <utility>

#include "fenwix/access/access_name.h"
#include "fenwix/platform/platform.h"
#include "fenwix/text/encoding.h"

namespace {

// Questions about the control itself, not about a child of it.
bool Self(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The states a push button takes from its control; the standard object's other states
// (invisible, offscreen) stand.
LONG ButtonState(HWND control, LONG standard) {
  LONG state = standard & ~(STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE |
                            STATE_SYSTEM_FOCUSED | STATE_SYSTEM_PRESSED);
  state |= os::IsWindowEnabled(control) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
  if (os::GetFocus() == control) state |= STATE_SYSTEM_FOCUSED;
  if (os::SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED) state |= STATE_SYSTEM_PRESSED;
  return state;
}

class AccessibleItem final : public IAccessible {
 public:
  AccessibleItem(IAccessible* standard, HWND control, std::string formName,
                 std::string itemName, PaintedRole role)
      : standard_(standard),
        control_(control),
        formName_(std::move(formName)),
        itemName_(std::move(itemName)),
        role_(role) {}
  ~AccessibleItem() { standard_->Release(); }
  AccessibleItem(const AccessibleItem&) = delete;
  AccessibleItem& operator=(const AccessibleItem&) = delete;

  // IUnknown. The interfaces of the standard object that say nothing of the name, role
  // or states are its own; IMarshal among the others would hand a client the standard
  // object in place of this one.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    if (iid == __uuidof(IOleWindow) || iid == __uuidof(IEnumVARIANT))
      return standard_->QueryInterface(iid, object);
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: no type information, so a client late-binding by name cannot reach the
  // standard object's answers around the ones given here.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible: the name, role and states of the control itself are ours.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!Self(child)) return standard_->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = nullptr;
    // Found at every question: a client keeps the object, and the name follows the
    // program's ACCNAME, labels and remarks as they change.
    try {
      *name = os::SysAllocString(WideText(AccessibleName(formName_, itemName_)).c_str());
    } catch (...) {
      return E_OUTOFMEMORY;
    }
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!Self(child) || role_ == PaintedRole::kNone) return standard_->get_accRole(child, role);
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    role->lVal =
        role_ == PaintedRole::kPushButton ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_STATICTEXT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const HRESULT result = standard_->get_accState(child, state);
    if (!Self(child) || role_ != PaintedRole::kPushButton || !state) return result;
    const LONG standard = SUCCEEDED(result) && state->vt == VT_I4 ? state->lVal : 0;
    state->vt = VT_I4;
    state->lVal = ButtonState(control_, standard);
    return S_OK;
  }

  // The rest is the standard object's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return standard_->get_accFocus(focus);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  std::atomic<ULONG> references_{1};
  IAccessible* const standard_;
  const HWND control_;
  const std::string formName_, itemName_;
  const PaintedRole role_;
};

}  // namespace

IAccessible* NewAccessibleItem(IAccessible* standard, HWND control, std::string formName,
                               std::string itemName, PaintedRole role) {
  IAccessible* item = new (std::nothrow)
      AccessibleItem(standard, control, std::move(formName), std::move(itemName), role);
  if (!item) standard->Release();
  return item;
}
