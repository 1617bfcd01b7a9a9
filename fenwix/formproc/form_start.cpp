// The controls of a starting form, created in the order of their sequence numbers, and
// the status bar.
#include "fenwix/formproc/form_start.h"

#include <utility>
#include <vector>

#include "fenwix/form/item_controls.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/library_state.h"

namespace {

constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP;

// The name of the form's item numbered sequence, walking the items in key order; false
// when none has it, or when a key without a form part ends the walk. The entries are
// copied first: creating a control lets the application in (WM_PARENTNOTIFY), and what
// it stores must not pull the map from under the walk.
bool FindBySequence(const std::string& formName, std::int32_t sequence, std::string& itemName) {
  std::vector<std::pair<std::string, std::int32_t>> entries;
  for (const auto& entry : TheRegistry().items)
    entries.emplace_back(entry.first, entry.second.sequence);
  for (const auto& entry : entries) {
    const std::string::size_type dot = entry.first.find('.');
    if (dot == std::string::npos || dot == 0) return false;
    if (entry.first.compare(0, dot, formName) == 0 && entry.second == sequence) {
      itemName = entry.first.substr(dot + 1);
      return true;
    }
  }
  return false;
}

}  // namespace

INT_PTR FormStart(HWND dialog, const std::string& formName) {
  // Items after a gap in the numbering get no control; each item's failure is its own.
  std::string itemName;
  for (std::int32_t sequence = 1; FindBySequence(formName, sequence, itemName); ++sequence)
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
