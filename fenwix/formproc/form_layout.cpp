// A form's frame and controls placed at its DPI and by their anchors, in one batch.
#include "fenwix/formproc/form_layout.h"

#include <algorithm>

#include "fenwix/form/item_controls.h"
#include "fenwix/form/item_place.h"
#include "fenwix/grid/grid_entries.h"
#include "fenwix/platform/platform.h"
#include "fenwix/window/window_dpi.h"

namespace {

// The controls follow the form's client size, width × height, moved together so that the
// form repaints once. A control that only moves keeps its picture, copied to its new
// place; one that stretches, or every one after a change of scale, paints whole again,
// since what it shows (a centred or wrapped text, a border) depends on its size. True
// when any moved.
bool PlaceControls(const FormDef& form, const std::vector<AnchoredControl>& controls, int width,
                   int height, bool rescaled) {
  // A size before the dialog started, or a minimised form's, places nothing.
  if (controls.empty() || form.declaredWidth <= 0 || width <= 0 || height <= 0) return false;
  HDWP batch = os::BeginDeferWindowPos(static_cast<int>(controls.size()));
  for (const AnchoredControl& control : controls) {
    const PixelRect r =
        PlaceItem({control.x, control.y, control.width, control.height}, control.anchors,
                  form.declaredWidth, form.declaredHeight, width, height, form.declaredDpi);
    const bool resized = rescaled ||
                         (control.anchors & kAnchorLeft && control.anchors & kAnchorRight) ||
                         (control.anchors & kAnchorTop && control.anchors & kAnchorBottom);
    if (batch)
      batch = os::DeferWindowPos(batch, control.control, nullptr, r.x, r.y, r.width, r.height,
                                 SWP_NOZORDER | SWP_NOACTIVATE | (resized ? SWP_NOCOPYBITS : 0));
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

// The grids' fonts and column widths, made again for the new DPI.
void ScaleGrids(const std::string& formName, std::int32_t oldDpi, std::int32_t newDpi) {
  const auto scaleView = TheGridEntries().scaleView;
  if (!scaleView) return;
  for (const std::string& itemName : FormItemNames(formName)) {
    const ItemDef item = FindItemDef(formName, itemName);
    if (item.control && item.type == fx::item::DATAGRID)
      scaleView(item.control, formName, itemName, oldDpi, newDpi);
  }
}

}  // namespace

void FitFrame(HWND dialog, const FormDef& form) {
  PixelRect r = WindowPixels(dialog, {form.x, form.y, form.width, form.height});
  RECT window, client, bar = {};
  // A declared inside: the frame, the caption and the status bar are added around it.
  if (form.clientWidth > 0 && form.clientHeight > 0 && os::GetWindowRect(dialog, &window) &&
      os::GetClientRect(dialog, &client)) {
    if (form.statusBar) os::GetWindowRect(form.statusBar, &bar);
    const std::int32_t dpi = WindowDpi(dialog);
    r.width = ScaledLength(form.clientWidth, dpi) + (window.right - window.left) - client.right;
    r.height = ScaledLength(form.clientHeight, dpi) + (window.bottom - window.top) -
               client.bottom + (bar.bottom - bar.top);
  }
  if (!form.framed) {
    os::MoveWindow(dialog, r.x, r.y, r.width, r.height, FALSE);
    return;
  }
  RECT shown;
  if (!os::GetWindowRect(dialog, &shown)) return;
  const int width = shown.right - shown.left, height = shown.bottom - shown.top;
  if (width != r.width || height != r.height)
    os::MoveWindow(dialog, shown.left + (width - r.width) / 2, shown.top + (height - r.height) / 2,
                   r.width, r.height, FALSE);
}

std::vector<AnchoredControl> FormControls(const std::string& formName, bool anchoredOnly) {
  std::vector<AnchoredControl> controls;
  for (const std::string& itemName : FormItemNames(formName)) {
    const ItemDef item = FindItemDef(formName, itemName);
    if (!item.control || (anchoredOnly && item.anchors == kDefaultAnchors)) continue;
    const PixelRect declared = DeclaredRect(item);
    controls.push_back(
        {item.control, declared.x, declared.y, declared.width, declared.height, item.anchors});
  }
  return controls;
}

INT_PTR FormSize(const std::string& formName, int width, int height) {
  const FormDef form = FindWindowDef(formName);
  const bool moved = PlaceControls(form, form.anchoredControls, width, height, false);
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
  // The limit is the client size at the form's DPI; the user drags the frame around it.
  const std::int32_t dpi = WindowDpi(dialog);
  const LONG frameWidth = (window.right - window.left) - client.right;
  const LONG frameHeight = (window.bottom - window.top) - client.bottom;
  limits.ptMinTrackSize.x =
      std::max<LONG>(limits.ptMinTrackSize.x, ScaledLength(form.minWidth, dpi) + frameWidth);
  limits.ptMinTrackSize.y =
      std::max<LONG>(limits.ptMinTrackSize.y, ScaledLength(form.minHeight, dpi) + frameHeight);
  return 1;
}

INT_PTR FormDpiChanged(HWND dialog, const std::string& formName, const RECT* suggested) {
  FormDef form = FindWindowDef(formName);
  const std::int32_t oldDpi = form.declaredDpi, dpi = WindowDpi(dialog);
  if (oldDpi <= 0 || dpi == oldDpi) return 0;
  // The client size the items were declared in, as it measures at the new DPI.
  form.declaredWidth = os::MulDiv(form.declaredWidth, dpi, oldDpi);
  form.declaredHeight = os::MulDiv(form.declaredHeight, dpi, oldDpi);
  form.declaredDpi = dpi;
  StoreWindowDef(formName, form);

  if (form.framed && suggested)
    os::MoveWindow(dialog, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, FALSE);
  else
    FitFrame(dialog, form);
  RECT client;
  if (os::GetClientRect(dialog, &client))
    PlaceControls(FindWindowDef(formName), FormControls(formName, false), client.right,
                  client.bottom, true);
  ScaleGrids(formName, oldDpi, dpi);
  os::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return 1;
}
