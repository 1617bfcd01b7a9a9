// FX_FormCreateItem: which control each item type becomes (class, text, id, styles,
// size), and what each needs once it exists (text limit, text, check, list entries).
#include "fenwix/form/item_controls.h"

#include <cstdint>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/grid/grid_entries.h"
#include "fenwix/form/item_keys.h"
#include "fenwix/grid/grid_view.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/library_start.h"
#include "fenwix/window/library_state.h"

namespace {

// The window text a control is created with. An edit field is given its VALUE once it
// exists; a combo box shows its selected entry.
enum class CreationText { kItemName, kEmpty, kNone };

// What an item type becomes. The library paints STATIC, RECT and BUTTON itself; the
// others are the platform's own controls.
struct ControlKind {
  const char* type;
  const char* className;
  DWORD style;  // without WS_VISIBLE or WS_DISABLED
  DWORD exStyle;
  CreationText text;
  bool hasId;       // the owner-drawn labels take id 0
  bool mayDisable;  // labels are never disabled here
};

const ControlKind kKinds[] = {
    {fx::item::STATIC, "STATIC", WS_CHILD | SS_OWNERDRAW, 0, CreationText::kItemName, false,
     false},
    {fx::item::RECT, "STATIC", WS_CHILD | SS_OWNERDRAW, 0, CreationText::kItemName, false, false},
    {fx::item::EDIT, "EDIT", WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL,
     WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE, CreationText::kEmpty, true, true},
    {fx::item::BUTTONSYS, "BUTTON", WS_CHILD | WS_TABSTOP | BS_NOTIFY | BS_PUSHBUTTON, 0,
     CreationText::kItemName, true, true},
    {fx::item::BUTTON, "BUTTON", WS_CHILD | WS_TABSTOP | BS_OWNERDRAW, 0, CreationText::kItemName,
     true, true},
    {fx::item::CHECKSYS, "BUTTON", WS_CHILD | WS_TABSTOP | BS_NOTIFY | BS_AUTOCHECKBOX, 0,
     CreationText::kItemName, true, true},
    {fx::item::COMBOSYS, "ComboBox", WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_AUTOHSCROLL, 0,
     CreationText::kNone, true, true},
    {fx::item::DATAGRID, kGridClass, kGridStyle, WS_EX_CLIENTEDGE, CreationText::kNone, true,
     true},
    {fx::item::PROGRESS, PROGRESS_CLASSA, WS_CHILD, 0, CreationText::kNone, true, true},
};

const ControlKind* KindOf(const std::string& type) {
  for (const ControlKind& kind : kKinds)
    if (type == kind.type) return &kind;
  return nullptr;
}

DWORD StyleOf(const ControlKind& kind, const ItemDef& item) {
  DWORD style = kind.style | (item.visible ? WS_VISIBLE : WS_DISABLED);
  if (item.type == fx::item::EDIT &&
      (item.fieldType == fx::field::DATE || item.fieldType == fx::field::CURRENCY))
    style |= ES_RIGHT;
  if (item.type == fx::item::COMBOSYS) style |= item.edit ? CBS_DROPDOWN : CBS_DROPDOWNLIST;
  if (item.type == fx::item::PROGRESS && TextToInt(item.value, 10) == -1) style |= PBS_MARQUEE;
  return style;
}

// The entries VALUE1, VALUE2 ... up to the first empty one, the first selected.
void FillList(HWND combo, const std::string& properties) {
  for (int i = 1; i <= fx::key::LIST_ENTRIES; ++i) {
    const std::string entry = GetProperty(fx::key::VALUE + IntToText(i), properties);
    if (entry.empty()) break;
    SendTextMessage(combo, CB_ADDSTRING, 0, entry);
  }
  os::SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

// Read again: creating the control sent the dialog WM_PARENTNOTIFY, and the application
// may have changed the item while it saw that message.
void Record(const std::string& formName, const std::string& itemName, HWND control,
            std::int32_t controlId) {
  ItemDef item = FindItemDef(formName, itemName);
  item.control = control;
  item.controlId = controlId;
  StoreItemDef(ItemKey(formName, itemName), item);
}

}  // namespace

PixelRect DeclaredRect(const ItemDef& item) {
  if (item.type == fx::item::CHECKSYS) return {item.x, item.y, kCheckBoxSize, kCheckBoxSize};
  return {item.x, item.y, item.width, item.height};
}

PixelRect ControlRect(const FormDef& form, const ItemDef& item, int width, int height) {
  return PlaceItem(DeclaredRect(item), item.anchors, form.declaredWidth, form.declaredHeight,
                   width, height, form.declaredDpi);
}

ErrorCode FX_FormCreateItem(HWND dialog, std::string formName, std::string itemName) {
  const std::string key = ItemKey(formName, itemName);
  SaveErrorContext();
  SetErrorContext(key, "FX_FormCreateItem");

  const ItemDef item = FindItemDef(formName, itemName);
  if (item.type.empty()) return Reported(18);
  if (itemName.find('.') != std::string::npos) return Reported(26);

  // Sequence numbers are the application's; the sum wraps instead of overflowing.
  const std::int32_t controlId =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(item.sequence) + kItemIdBase);
  const ControlKind* kind = KindOf(item.type);
  if (!kind) {
    RestoreErrorContext();
    return 0;
  }

  const bool checkBox = item.type == fx::item::CHECKSYS;
  // Placed in the form as it is now: a form that started at its declared size.
  const FormDef form = FindWindowDef(formName);
  RECT client = {0, 0, form.declaredWidth, form.declaredHeight};
  os::GetClientRect(dialog, &client);
  const PixelRect place = ControlRect(form, item, client.right, client.bottom);
  // The list view's and the progress bar's classes come with the common controls, loaded
  // once.
  if (item.type == fx::item::DATAGRID || item.type == fx::item::PROGRESS) LoadCommonControls();
  const char* text = kind->text == CreationText::kItemName ? itemName.c_str()
                     : kind->text == CreationText::kEmpty  ? ""
                                                           : nullptr;
  const HMENU id = kind->hasId ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)) : nullptr;
  const HWND control = CreateTextWindow(
      kind->exStyle, kind->className, text, StyleOf(*kind, item), place.x, place.y, place.width,
      place.height, dialog, id, TheLibrary().instance);
  if (!control) return Reported(1001);

  if (item.type == fx::item::EDIT) {
    // A limit of 0 lets the platform apply its own maximum.
    os::SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(item.length), 0);
    if (!SetControlText(control, item.value)) return Reported(1003);
    Record(formName, itemName, control, controlId);
  } else if (checkBox) {
    Record(formName, itemName, control, controlId);
    if (item.check) os::SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
  } else if (item.type == fx::item::COMBOSYS) {
    os::SendMessageA(control, CB_LIMITTEXT, static_cast<WPARAM>(item.length), 0);
    Record(formName, itemName, control, controlId);
    FillList(control, item.properties);
  } else if (item.type == fx::item::DATAGRID) {
    Record(formName, itemName, control, controlId);
    const auto startGrid = TheGridEntries().startControl;
    if (const ErrorCode code = startGrid ? startGrid(control, formName, itemName, item) : 0)
      return code;
  } else if (item.type == fx::item::PROGRESS) {
    Record(formName, itemName, control, controlId);
    ShowProgress(FindItemDef(formName, itemName));
  } else {
    Record(formName, itemName, control, controlId);
  }

  if (kind->mayDisable && !item.enable) os::EnableWindow(control, FALSE);
  RestoreErrorContext();
  return 0;
}
