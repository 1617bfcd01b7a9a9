// The controls of a starting form, created in the order of their sequence numbers, and
// the status bar.
#include "fenwix/formproc/form_start.h"

#include "fenwix/form/item_controls.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/library_state.h"

namespace {

constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP;

}  // namespace

INT_PTR FormStart(HWND dialog, const std::string& formName) {
  // Items after a gap in the numbering get no control; each item's failure is its own.
  // Looked up afresh for each number: creating a control lets the application in
  // (WM_PARENTNOTIFY), and it may declare more items meanwhile.
  std::string itemName;
  for (std::int32_t sequence = 1; FindItemBySequence(formName, sequence, itemName); ++sequence)
    FX_FormCreateItem(dialog, formName, itemName);

  if (FindWindowDef(formName).hasStatusBar) {
    const HWND statusBar =
        os::CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, kStatusBarStyle, 0, 0, 0, 0, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                            TheLibrary().instance, nullptr);
    // A form without its status bar still works; there is nothing to report.
    FormDef form = FindWindowDef(formName);
    form.statusBar = statusBar;
    StoreWindowDef(formName, form);
  }
  return 1;
}

INT_PTR FormSize(const std::string& formName) {
  const HWND statusBar = FindWindowDef(formName).statusBar;
  if (!statusBar) return 0;
  // A status bar places and sizes itself from its parent when told of a new size.
  os::SendMessageA(statusBar, WM_SIZE, 0, 0);
  return 1;
}
