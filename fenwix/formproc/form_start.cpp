// The controls of a starting form, created in the order of their sequence numbers, and
// the status bar.
#include "fenwix/formproc/form_start.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "fenwix/form/item_controls.h"
#include "fenwix/form/item_place.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/library_state.h"

namespace {

constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP;

// The items anchored to an edge other than the left and top follow the form's new client
// size, moved together so that the form repaints once. True when any moved.
bool PlaceAnchoredItems(const std::string& formName, int width, int height) {
  const FormDef form = FindWindowDef(formName);
  // A size before the dialog started, or a minimised form's, places nothing.
  if (form.declaredWidth <= 0 || width <= 0 || height <= 0) return false;
  std::vector<std::pair<HWND, PixelRect>> moves;
  for (const std::string& itemName : FormItemNames(formName)) {
    const ItemDef item = FindItemDef(formName, itemName);
    if (!item.control || item.anchors == kDefaultAnchors) continue;
    PixelRect declared{item.x, item.y, item.width, item.height};
    RECT shown;
    // A check box keeps the size of its box, whatever the item declared.
    if (item.type == fx::item::CHECKSYS && os::GetWindowRect(item.control, &shown)) {
      declared.width = shown.right - shown.left;
      declared.height = shown.bottom - shown.top;
    }
    moves.emplace_back(item.control, PlaceItem(declared, item.anchors, form.declaredWidth,
                                               form.declaredHeight, width, height));
  }
  if (moves.empty()) return false;
  HDWP batch = os::BeginDeferWindowPos(static_cast<int>(moves.size()));
  for (const auto& move : moves) {
    const PixelRect& r = move.second;
    if (batch)
      batch = os::DeferWindowPos(batch, move.first, nullptr, r.x, r.y, r.width, r.height,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return batch && os::EndDeferWindowPos(batch);
}

}  // namespace

INT_PTR FormStart(HWND dialog, const std::string& formName) {
  // Items after a gap in the numbering get no control; each item's failure is its own.
  // Looked up afresh for each number: creating a control lets the application in
  // (WM_PARENTNOTIFY), and it may declare more items meanwhile.
  std::string itemName;
  for (std::int32_t sequence = 1; FindItemBySequence(formName, sequence, itemName); ++sequence)
    FX_FormCreateItem(dialog, formName, itemName);

  // The client size the items were declared in: they keep their distances to the edges
  // they are anchored to from this size on.
  RECT client;
  if (os::GetClientRect(dialog, &client)) {
    FormDef form = FindWindowDef(formName);
    form.declaredWidth = client.right;
    form.declaredHeight = client.bottom;
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
  const bool moved = PlaceAnchoredItems(formName, width, height);
  const FormDef form = FindWindowDef(formName);
  // A status bar places and sizes itself from its parent when told of a new size.
  if (form.statusBar) os::SendMessageA(form.statusBar, WM_SIZE, 0, 0);
  // The dialog does not clip its children: the background it paints over the area a
  // resize uncovered covers the controls moved into it, which then paint again.
  if ((moved || form.statusBar) && form.handle)
    os::RedrawWindow(form.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
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
