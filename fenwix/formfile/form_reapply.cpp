// Re-application of a form file to its open form. The controls are told of changes through
// the run-time keys of FX_FormItemSet, so that a saved file and a program's call change a
// control the same way; only the place, which no run-time key moves, is handled here.
#include "fenwix/formfile/form_reapply.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "fenwix/access/control_access.h"
#include "fenwix/error/language.h"
#include "fenwix/error/message_db.h"
#include "fenwix/form/item_controls.h"
#include "fenwix/form/item_keys.h"
#include "fenwix/formats/typed_text.h"
#include "fenwix/formproc/date_calendar.h"
#include "fenwix/formproc/field_validation.h"
#include "fenwix/formproc/form_layout.h"
#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/grid_view.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/registry/item_add.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/encoding.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/form_life.h"

namespace {

// The run-time keys a declaration's change is passed on through, in the order a program
// would set them: what the control shows before whether it is shown.
constexpr const char* kRunTimeKeys[] = {
    fx::key::FORMAT, fx::key::LENGTH,  fx::key::NOTNULL,  fx::key::BUTTON,  fx::key::REMARK,
    fx::key::ACCNAME, fx::key::TXHPOS, fx::key::TXVPOS,   fx::key::FTNAME,  fx::key::FTSIZE,
    fx::key::FTBOLD, fx::key::FTITALIC, fx::key::FTULINE, fx::key::BRDSIZE, fx::key::BRDCOL,
    fx::key::BRDSTYLE, fx::key::BKCOL, fx::key::TXCOL,    fx::key::VALUE,   fx::key::ENABLE,
    fx::key::VISIBLE};

ItemDef Declared(const FormFileItem& item) {
  ItemDef record;
  MakeItemRecord(item.type, item.sequence, item.x, item.y, item.width, item.height,
                 item.properties, record);
  return record;
}

// A combo box's entries, the list it is made with.
std::string ListEntries(const std::string& properties) {
  std::string entries;
  for (int i = 1; i <= fx::key::LIST_ENTRIES; ++i)
    entries += GetProperty(fx::key::VALUE + IntToText(i), properties) + ";";
  return entries;
}

// A grid's columns as they are made with the list view, but for titles and widths, which
// the list view changes in place.
std::string ColumnShapes(const FormFileForm& form, const std::string& itemName) {
  std::string shapes;
  for (const FormFileColumn& column : form.columns) {
    if (column.item != itemName) continue;
    GridColumn read;
    ColumnFromProperties(column.name, column.properties, read);
    shapes += column.name + "," + read.type + "," + read.format + "," +
              IntToText(read.align) + "," + (read.edit ? "e" : "") + (read.notNull ? "n" : "") + ";";
  }
  return shapes;
}

// Whether the change can only be made by making the control again.
bool FixedAtCreation(const FormFileForm& before, const FormFileForm& after, const ItemDef& old,
                     const ItemDef& now, const std::string& itemName) {
  if (old.type != now.type || old.fieldType != now.fieldType || old.calendar != now.calendar)
    return true;
  if (now.type == fx::item::COMBOSYS)
    return old.edit != now.edit || ListEntries(old.properties) != ListEntries(now.properties);
  if (now.type == fx::item::DATAGRID) {
    // The list view takes its font once, when it is made.
    const bool font = old.fontName != now.fontName || old.fontSize != now.fontSize ||
                      old.fontBold != now.fontBold || old.fontItalic != now.fontItalic ||
                      old.fontUnderline != now.fontUnderline;
    return font || ColumnShapes(before, itemName) != ColumnShapes(after, itemName);
  }
  return false;
}

// The declared value of a key as the run-time rules write it, so that a key the new file
// leaves out goes back to its default rather than to the run-time reading of an empty text.
std::string RunTimeText(const char* key, const ItemDef& declared) {
  return FindItemKeyRule(key)->read(declared);
}

// Keys that stand for what the user does, once the form is open: the user's text, check
// and choice stay as they are, whatever the file now says they start as.
bool IsUsersState(const char* key, const ItemDef& item) {
  if (std::strcmp(key, fx::key::VALUE) != 0) return false;
  return ShowsTypedText(item) || item.type == fx::item::DATAGRID;
}

// A typed field's text read again under its new format: written in the format's normal
// form, or left as typed with the status bar saying why.
void ReadUnderNewFormat(const std::string& formName, const std::string& itemName) {
  const ItemDef item = FindItemDef(formName, itemName);
  if (!item.control || !ShowsTypedText(item) || item.fieldType == fx::field::STRING) return;
  const std::string text = ControlText(item.control);
  const TypedText read = ReadTypedText(item.fieldType, item.format, item.notNull, text);
  if (read.code == 0) {
    if (read.normal != text) FX_FormItemSet(formName, itemName, fx::key::VALUE, read.normal);
    return;
  }
  FX_FormStatusSet(formName, RefusalOf(item, text).message);
}

// A grid's column titles and widths, on its list view's header.
void ShowColumnHeaders(const std::string& formName, const FormFileForm& after,
                       const std::string& itemName) {
  Grid* grid = FindGrid(formName, itemName);
  const HWND list = FindItemDef(formName, itemName).control;
  if (!grid) return;
  std::size_t index = 0;
  for (const FormFileColumn& column : after.columns) {
    if (column.item != itemName || index >= grid->columns.size()) continue;
    GridColumn read;
    ColumnFromProperties(column.name, column.properties, read);
    GridColumn& shown = grid->columns[index];
    if (shown.title != read.title || shown.width != read.width) {
      shown.title = read.title;
      shown.width = read.width;
      if (list) ShowColumnHeader(list, static_cast<int>(index), shown);
    }
    ++index;
  }
}

// Each column's line, for telling a grid whose columns changed at all.
std::string ColumnLines(const FormFileForm& form, const std::string& itemName) {
  std::string lines;
  for (const FormFileColumn& column : form.columns) {
    if (column.item == itemName) lines += column.name + " " + column.properties + "\n";
  }
  return lines;
}

void MoveControl(const std::string& formName, const std::string& itemName) {
  const FormDef form = FindWindowDef(formName);
  const ItemDef item = FindItemDef(formName, itemName);
  RECT client = {0, 0, form.declaredWidth, form.declaredHeight};
  os::GetClientRect(form.handle, &client);
  const PixelRect place = ControlRect(form, item, client.right, client.bottom);
  os::MoveWindow(item.control, place.x, place.y, place.width, place.height, TRUE);
}

// A label or rectangle without a colour of its own shows the form through it, and a
// repaint of the control alone would draw its new text over its old one: the form repaints
// the place, with every control over it.
void RepaintBehind(const std::string& formName, const std::string& itemName) {
  const FormDef form = FindWindowDef(formName);
  const ItemDef item = FindItemDef(formName, itemName);
  const bool seeThrough = (item.type == fx::item::STATIC || item.type == fx::item::RECT) &&
                          item.backColor == kNoColor;
  if (!seeThrough || !item.control) return;
  RECT client = {0, 0, form.declaredWidth, form.declaredHeight};
  os::GetClientRect(form.handle, &client);
  const PixelRect place = ControlRect(form, item, client.right, client.bottom);
  const RECT behind = {place.x, place.y, place.x + place.width, place.y + place.height};
  os::RedrawWindow(form.handle, &behind, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void UpdateInPlace(const std::string& formName, const FormFileForm& after,
                   const FormFileItem& item, const ItemDef& old, const ItemDef& now) {
  const std::string key = ItemKey(formName, item.name);
  ItemDef live = FindItemDef(formName, item.name);
  const bool moved = old.x != now.x || old.y != now.y || old.width != now.width ||
                     old.height != now.height || old.anchors != now.anchors;
  live.x = now.x;
  live.y = now.y;
  live.width = now.width;
  live.height = now.height;
  live.anchors = now.anchors;
  live.sequence = now.sequence;
  live.properties = now.properties;
  StoreItemDef(key, live);
  for (const char* runTimeKey : kRunTimeKeys) {
    if (IsUsersState(runTimeKey, live)) continue;
    const std::string value = RunTimeText(runTimeKey, now);
    if (value != RunTimeText(runTimeKey, old)) FX_FormItemSet(formName, item.name, runTimeKey, value);
  }
  if (moved && live.control) MoveControl(formName, item.name);
  RepaintBehind(formName, item.name);
  if (old.format != now.format) ReadUnderNewFormat(formName, item.name);
  if (now.type == fx::item::DATAGRID) ShowColumnHeaders(formName, after, item.name);
}

// Takes the control away as hiding it does, the keyboard moving on to the next control
// and the field's exit recording what was typed, then destroys it.
void DestroyControl(const std::string& formName, const std::string& itemName) {
  FX_FormItemSet(formName, itemName, fx::key::VISIBLE, "FALSE");
  ItemDef item = FindItemDef(formName, itemName);
  if (item.control) os::DestroyWindow(item.control);
  if (item.backBrush) os::DeleteObject(item.backBrush);
  if (item.textBrush) os::DeleteObject(item.textBrush);
}

// The control of an added item. Its id is its sequence's, as at the form's start, unless a
// control of the form has that id already: an item kept its id when items were added or
// removed before it, and two controls of one dialog must not share one.
void CreateControl(const std::string& formName, const std::string& itemName) {
  const FormDef form = FindWindowDef(formName);
  ItemDef item = FindItemDef(formName, itemName);
  const std::int32_t sequence = item.sequence;
  std::int32_t highest = kItemIdBase - 1;
  bool taken = false;
  for (const std::string& other : FormItemNames(formName)) {
    const ItemDef record = FindItemDef(formName, other);
    if (!record.control) continue;
    highest = std::max(highest, record.controlId);
    taken = taken || record.controlId == sequence + kItemIdBase;
  }
  if (taken) {
    item.sequence = highest + 1 - kItemIdBase;
    StoreItemDef(ItemKey(formName, itemName), item);
  }
  FX_FormCreateItem(form.handle, formName, itemName);
  item = FindItemDef(formName, itemName);
  item.sequence = sequence;
  StoreItemDef(ItemKey(formName, itemName), item);
  if (!item.control) return;
  MakeAccessible(item.control, formName, itemName);
  AttachCalendar(item.control, formName, itemName);
  // The keyboard goes through a dialog's controls in their order of creation: the new
  // control takes its place after the one declared before it, not after the last.
  HWND previous = HWND_TOP;
  std::int32_t previousSequence = 0;
  for (const std::string& other : FormItemNames(formName)) {
    const ItemDef record = FindItemDef(formName, other);
    if (record.control && record.control != item.control && record.sequence < sequence &&
        record.sequence > previousSequence) {
      previous = record.control;
      previousSequence = record.sequence;
    }
  }
  os::SetWindowPos(item.control, previous, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void AddItem(const std::string& formName, const FormFileForm& after, const FormFileItem& item) {
  AddItemRecord(formName, item.name, item.type, item.sequence, item.x, item.y, item.width,
                item.height, item.properties);
  for (const FormFileColumn& column : after.columns) {
    if (column.item == item.name)
      FX_GridColumnAdd(formName, column.item, column.name, column.properties);
  }
  CreateControl(formName, item.name);
}

// Made again with what the user had typed or checked, and the keyboard if it was there.
void Recreate(const std::string& formName, const FormFileForm& after, const FormFileItem& item) {
  const ItemDef old = FindItemDef(formName, item.name);
  const bool focused = old.control && (os::GetFocus() == old.control ||
                                       os::IsChild(old.control, os::GetFocus()));
  const std::string typed = old.control && ShowsTypedText(old) ? ControlText(old.control) : "";
  DestroyControl(formName, item.name);
  EraseItemDef(ItemKey(formName, item.name));
  AddItem(formName, after, item);
  const ItemDef now = FindItemDef(formName, item.name);
  if (ShowsTypedText(now) && ShowsTypedText(old))
    FX_FormItemSet(formName, item.name, fx::key::VALUE, typed);
  if (now.type == fx::item::CHECKSYS && old.type == fx::item::CHECKSYS)
    FX_FormItemSet(formName, item.name, fx::key::CHECK, old.checkState ? "TRUE" : "FALSE");
  if (focused && now.control) os::SetFocus(now.control);
}

void RemoveItem(const std::string& formName, const std::string& itemName) {
  DestroyControl(formName, itemName);
  EraseItemDef(ItemKey(formName, itemName));
}

// A form's items by name: a form of a thousand items is matched in one pass each way.
std::map<std::string, const FormFileItem*> ItemsByName(const FormFileForm& form) {
  std::map<std::string, const FormFileItem*> items;
  for (const FormFileItem& item : form.items) items[item.name] = &item;
  return items;
}

const FormFileItem* FindIn(const std::map<std::string, const FormFileItem*>& items,
                           const std::string& name) {
  const auto it = items.find(name);
  return it == items.end() ? nullptr : it->second;
}

bool SameDeclaration(const FormFileItem& a, const FormFileItem& b) {
  return a.type == b.type && a.x == b.x && a.y == b.y && a.width == b.width &&
         a.height == b.height && a.properties == b.properties;
}

// The form's own keys that an open form takes: its caption, colour, smallest size and keys.
bool ReapplyFormKeys(const FormFileForm& before, const FormFileForm& after) {
  const auto changed = [&](const char* key) {
    return GetProperty(key, before.properties) != GetProperty(key, after.properties);
  };
  FormDef form = FindWindowDef(after.name);
  bool any = false;
  if (changed(fx::key::NAME)) {
    std::string caption = GetProperty(fx::key::NAME, after.properties);
    if (caption.empty()) caption = "Fenwix Form";
    SetControlText(form.handle, caption);
    any = true;
  }
  if (changed(fx::key::BKCOL)) {
    const std::string color = GetProperty(fx::key::BKCOL, after.properties);
    form.backColor = ColorFromText(color.empty() ? "white" : color);
    form.ownBackColor = !color.empty();
    StoreWindowDef(after.name, form);
    os::RedrawWindow(form.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    any = true;
  }
  if (changed(fx::key::MINSIZE) || changed(fx::key::KEYS)) {
    form = FindWindowDef(after.name);
    form.minWidth = form.minHeight = 0;
    const std::string size = GetProperty(fx::key::MINSIZE, after.properties);
    const std::size_t comma = size.find(',');
    if (comma != std::string::npos) {
      form.minWidth = std::max(0, TextToInt(size.substr(0, comma), 10));
      form.minHeight = std::max(0, TextToInt(size.substr(comma + 1), 10));
    }
    form.windowsKeys = UpperCase(GetProperty(fx::key::KEYS, after.properties)) == fx::word::WINDOWS;
    StoreWindowDef(after.name, form);
    any = true;
  }
  return any;
}

}  // namespace

ReapplyCount ReapplyForm(const FormFileForm& before, const FormFileForm& after) {
  const std::string& formName = after.name;
  ReapplyCount count;
  count.formChanged = ReapplyFormKeys(before, after);
  const auto oldItems = ItemsByName(before), newItems = ItemsByName(after);
  for (const FormFileItem& old : before.items) {
    if (FindIn(newItems, old.name)) continue;
    RemoveItem(formName, old.name);
    ++count.removed;
  }
  for (const FormFileItem& item : after.items) {
    // The form's callback, told of a focus that moved on, may have closed the form.
    if (!IsFormOnScreen(FindWindowDef(formName))) break;
    const FormFileItem* old = FindIn(oldItems, item.name);
    if (!old) {
      AddItem(formName, after, item);
      ++count.added;
      continue;
    }
    if (SameDeclaration(*old, item) &&
        ColumnLines(before, item.name) == ColumnLines(after, item.name)) {
      // Another item added or removed before it renumbers it, which moves nothing.
      ItemDef live = FindItemDef(formName, item.name);
      live.sequence = item.sequence;
      StoreItemDef(ItemKey(formName, item.name), live);
      continue;
    }
    const ItemDef oldRecord = Declared(*old), newRecord = Declared(item);
    if (FixedAtCreation(before, after, oldRecord, newRecord, item.name)) {
      Recreate(formName, after, item);
      ++count.recreated;
    } else {
      UpdateInPlace(formName, after, item, oldRecord, newRecord);
      ++count.changed;
    }
  }
  FormDef form = FindWindowDef(formName);
  form.anchoredControls = FormControls(formName, true);
  StoreWindowDef(formName, form);
  return count;
}

std::string ReapplySummary(const ReapplyCount& count) {
  const bool english = std::strcmp(TextLanguage(), kEnglish) == 0;
  struct Part {
    int number;
    const char* english;
    const char* french;  // Windows-1252
  } parts[] = {{count.changed, "changed", "modifi\xE9"},
               {count.added, "added", "ajout\xE9"},
               {count.removed, "removed", "supprim\xE9"},
               {count.recreated, "re-created", "recr\xE9\xE9"}};
  std::string summary;
  for (const Part& part : parts) {
    if (part.number == 0) continue;
    const bool first = summary.empty();
    if (!first) summary += ", ";
    summary += IntToText(part.number);
    if (first) summary += english ? (part.number == 1 ? " item" : " items") : (part.number == 1 ? " \xE9l\xE9ment" : " \xE9l\xE9ments");
    summary += " ";
    summary += english ? part.english : part.french;
    if (!english && part.number > 1) summary += "s";
  }
  if (summary.empty()) summary = count.formChanged ? (english ? "Form changed" : "Formulaire modifi\xE9")
                                                   : (english ? "No change" : "Aucun changement");
  return ProgramTextFromCp1252(summary);
}
