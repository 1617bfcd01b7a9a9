// The controls of a starting form, created in the order of their sequence numbers, and
// the status bar.
#include "fenwix/formproc/form_start.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "fenwix/access/control_access.h"
#include "fenwix/form/item_controls.h"
#include "fenwix/form/item_place.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/library_state.h"

namespace {

constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP;

// The controls anchored to an edge other than the left and top, as declared.
std::vector<AnchoredControl> AnchoredControls(const std::string& formName) {
  std::vector<AnchoredControl> anchored;
  for (const std::string& itemName : FormItemNames(formName)) {
    const ItemDef item = FindItemDef(formName, itemName);
    if (!item.control || item.anchors == kDefaultAnchors) continue;
    AnchoredControl control{item.control, item.x, item.y, item.width, item.height, item.anchors};
    RECT shown;
    // A check box keeps the size of its box, whatever the item declared.
    if (item.type == fx::item::CHECKSYS && os::GetWindowRect(item.control, &shown)) {
      control.width = shown.right - shown.left;
      control.height = shown.bottom - shown.top;
    }
    anchored.push_back(control);
  }
  return anchored;
}

// The anchored controls follow the form's new client size, moved together so that the
// form repaints once. A control that only moves keeps its picture, copied to its new
// place; one that stretches paints whole again, since what it shows (a centred or
// wrapped text, a border) depends on its size. True when any moved.
bool PlaceAnchoredItems(const FormDef& form, int width, int height) {
  // A size before the dialog started, or a minimised form's, places nothing.
  if (form.anchoredControls.empty() || form.declaredWidth <= 0 || width <= 0 || height <= 0)
    return false;
  HDWP batch = os::BeginDeferWindowPos(static_cast<int>(form.anchoredControls.size()));
  for (const AnchoredControl& control : form.anchoredControls) {
    const PixelRect r =
        PlaceItem({control.x, control.y, control.width, control.height}, control.anchors,
                  form.declaredWidth, form.declaredHeight, width, height);
    const bool stretches = (control.anchors & kAnchorLeft && control.anchors & kAnchorRight) ||
                           (control.anchors & kAnchorTop && control.anchors & kAnchorBottom);
    if (batch)
      batch = os::DeferWindowPos(batch, control.control, nullptr, r.x, r.y, r.width, r.height,
                                 SWP_NOZORDER | SWP_NOACTIVATE | (stretches ? SWP_NOCOPYBITS : 0));
  }
  return batch && os::EndDeferWindowPos(batch);
}

// The dialog does not clip its children: the background it paints over the area that a
// resize or a moved control uncovered covers the controls lying there, which must then
// paint again. Only those do: a control outside that area keeps what it shows, so a
// drag repaints the edges of the form and what moved, never the whole form.
void RepaintUncovered(HWND dialog) {
  const HRGN uncovered = os::CreateRectRgn(0, 0, 0, 0);
  if (!uncovered) {
    os::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return;
  }
  const int kind = os::GetUpdateRgn(dialog, uncovered, FALSE);
  if (kind != NULLREGION && kind != ERROR)
    os::RedrawWindow(dialog, nullptr, uncovered, RDW_INVALIDATE | RDW_ALLCHILDREN);
  os::DeleteObject(uncovered);
}

}  // namespace

INT_PTR FormStart(HWND dialog, const std::string& formName) {
  // Items after a gap in the numbering get no control; each item's failure is its own.
  // Looked up afresh for each number: creating a control lets the application in
  // (WM_PARENTNOTIFY), and it may declare more items meanwhile.
  std::string itemName;
  for (std::int32_t sequence = 1; FindItemBySequence(formName, sequence, itemName); ++sequence) {
    FX_FormCreateItem(dialog, formName, itemName);
    const HWND control = FindItemDef(formName, itemName).control;
    if (control) MakeAccessible(control, formName, itemName);
  }

  // The client size the items were declared in: they keep their distances to the edges
  // they are anchored to from this size on.
  RECT client;
  if (os::GetClientRect(dialog, &client)) {
    FormDef form = FindWindowDef(formName);
    form.declaredWidth = client.right;
    form.declaredHeight = client.bottom;
    form.anchoredControls = AnchoredControls(formName);
    StoreWindowDef(formName, form);
  }

  if (FindWindowDef(formName).hasStatusBar) {
    const HWND statusBar =
        CreateTextWindow(0, STATUSCLASSNAMEA, nullptr, kStatusBarStyle, 0, 0, 0, 0, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                         TheLibrary().instance);
    // A form without its status bar still works; there is nothing to report.
    FormDef form = FindWindowDef(formName);
    form.statusBar = statusBar;
    StoreWindowDef(formName, form);
  }
  return 1;
}

INT_PTR FormSize(const std::string& formName, int width, int height) {
  const FormDef form = FindWindowDef(formName);
  const bool moved = PlaceAnchoredItems(form, width, height);
  // A status bar places and sizes itself from its parent when told of a new size, and
  // paints whole again: its text and its grip are drawn from its right edge.
  if (form.statusBar) {
    os::SendMessageA(form.statusBar, WM_SIZE, 0, 0);
    os::InvalidateRect(form.statusBar, nullptr, TRUE);
  }
  if ((moved || form.statusBar) && form.handle) RepaintUncovered(form.handle);
  return form.statusBar ? 1 : 0;
}

INT_PTR FormMinimumSize(const std::string& formName, HWND dialog, MINMAXINFO& limits) {
  const FormDef form = FindWindowDef(formName);
  RECT window, client;
  if ((form.minWidth <= 0 && form.minHeight <= 0) || !os::GetWindowRect(dialog, &window) ||
      !os::GetClientRect(dialog, &client))
    return 0;
  // The limit is the client size; the user drags the frame around it.
  const LONG frameWidth = (window.right - window.left) - client.right;
  const LONG frameHeight = (window.bottom - window.top) - client.bottom;
  limits.ptMinTrackSize.x = std::max<LONG>(limits.ptMinTrackSize.x, form.minWidth + frameWidth);
  limits.ptMinTrackSize.y = std::max<LONG>(limits.ptMinTrackSize.y, form.minHeight + frameHeight);
  return 1;
}
