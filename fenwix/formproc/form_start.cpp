// The controls of a starting form, created in the order of their sequence numbers, and
// the status bar.
#include "fenwix/formproc/form_start.h"

#include "fenwix/access/control_access.h"
#include "fenwix/form/item_controls.h"
#include "fenwix/formproc/date_calendar.h"
#include "fenwix/formproc/form_layout.h"
#include "fenwix/formproc/form_theme.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/theme/theme.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/library_state.h"
#include "fenwix/window/window_dpi.h"

namespace {

constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP;

}  // namespace

INT_PTR FormStart(HWND dialog, const std::string& formName) {
  FitFrame(dialog, FindWindowDef(formName));
  // The client size the items were declared in: they keep their distances to the edges
  // they are anchored to from this size on.
  RECT client;
  if (os::GetClientRect(dialog, &client)) {
    FormDef form = FindWindowDef(formName);
    form.declaredWidth = client.right;
    form.declaredHeight = client.bottom;
    form.declaredDpi = WindowDpi(dialog);
    StoreWindowDef(formName, form);
  }

  // Items after a gap in the numbering get no control; each item's failure is its own.
  // Looked up afresh for each number: creating a control lets the application in
  // (WM_PARENTNOTIFY), and it may declare more items meanwhile.
  std::string itemName;
  for (std::int32_t sequence = 1; FindItemBySequence(formName, sequence, itemName); ++sequence) {
    FX_FormCreateItem(dialog, formName, itemName);
    const HWND control = FindItemDef(formName, itemName).control;
    if (control) MakeAccessible(control, formName, itemName);
    AttachCalendar(control, formName, itemName);
  }

  FormDef form = FindWindowDef(formName);
  form.anchoredControls = FormControls(formName, true);
  StoreWindowDef(formName, form);

  if (form.hasStatusBar) {
    const HWND statusBar =
        CreateTextWindow(0, STATUSCLASSNAMEA, nullptr, kStatusBarStyle, 0, 0, 0, 0, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                         TheLibrary().instance);
    // A form without its status bar still works; there is nothing to report.
    if (statusBar) WatchStatusBar(statusBar);
    form = FindWindowDef(formName);
    form.statusBar = statusBar;
    // Below a declared inside, the bar makes the form taller by its height, and the items
    // keep their places: the size they were declared in grows with it.
    RECT bar;
    if (statusBar && form.clientHeight > 0 && os::GetWindowRect(statusBar, &bar)) {
      form.declaredHeight += bar.bottom - bar.top;
      StoreWindowDef(formName, form);
      FitFrame(dialog, form);
    }
    StoreWindowDef(formName, form);
  }
  if (DarkThemeActive()) ShowFormTheme(formName, false);
  return 1;
}
