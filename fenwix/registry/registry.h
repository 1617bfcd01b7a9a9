// The records of the application's windows, forms and items, kept by name. Every
// operation works on copies: find a record (a blank one for an unknown name), change
// the copy, store it back whole. No pointer into the registry outlives a call. The maps
// are the records; the indexes beside them, kept by every store, let the form procedure
// find an item by its control and a form's items by sequence without walking them all.
#ifndef FENWIX_REGISTRY_REGISTRY_H
#define FENWIX_REGISTRY_REGISTRY_H

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/formats/currency_format.h"
#include "fenwix/formats/date_value.h"
#include "fenwix/props/anchors.h"
#include "fenwix/props/value_convert.h"

// Where a form is in its life. Declared: never opened. Opening: FX_FormCreate is making
// its dialog. Open: on the screen. Closing: its close has begun and its dialog is not yet
// destroyed. Closed: its dialog is gone; it can be created again.
enum class FormState : std::uint8_t { kDeclared, kOpening, kOpen, kClosing, kClosed };

// A control that follows its form's edges: its rectangle as declared (at 96 DPI), and the
// edges it keeps its distances to.
struct AnchoredControl {
  HWND control = nullptr;
  std::int32_t x = 0, y = 0, width = 0, height = 0;
  std::uint8_t anchors = kDefaultAnchors;
};

// The main window, or a form (then also called FormDef). A blank record is all zeros
// and empty texts.
struct WindowDef {
  std::string name;  // form: its name; main window: the title last set
  HWND handle = nullptr;
  FormCallback callback = nullptr;
  std::int32_t x = 0, y = 0, width = 0, height = 0;
  // Vertical scrolling of the main window's content, in lines.
  std::int32_t contentHeight = 0, lineCount = 0, firstLine = 0, lastLine = 0;
  ColorValue backColor = 0;
  bool ownBackColor = false;  // BKCOL was given: the theme leaves the background alone
  bool hasStatusBar = false;
  bool framed = false;  // a form with a frame of its own, not inside the main window
  bool modal = false;
  bool windowsKeys = false;  // KEYS=WINDOWS: Return is OK and Escape is CANCEL
  // A form's client size when its dialog started, which its items were declared in, in
  // the pixels of declaredDpi (its DPI since); and the smallest the user may make it
  // (MINSIZE, at 96 DPI; 0 for no limit).
  std::int32_t declaredWidth = 0, declaredHeight = 0, declaredDpi = 0;
  std::int32_t minWidth = 0, minHeight = 0;
  // CLIENT: the inside size declared (at 96 DPI) in place of the outer one; 0 for none.
  std::int32_t clientWidth = 0, clientHeight = 0;
  // Listed when the form starts, so that a resize looks at these alone; forgotten with
  // the dialog.
  std::vector<AnchoredControl> anchoredControls;
  // A form's life, moved on by the form life module alone (which also writes handle).
  FormState state = FormState::kDeclared;
  std::uint32_t openOrder = 0;  // when the form last started opening; the latest open is current
  bool heldFocus = false;       // the keyboard was inside the form when its close began
  std::string opener;           // a modal form: the form it was opened from, if any
  HWND statusBar = nullptr;
  // The control that last had the keyboard focus: in the main window when it was last
  // deactivated, in a form when one of its controls last got it. Given the focus back.
  HWND focus = nullptr;
  std::string statusText;   // the validation message of the last field exit
  std::string closeReason;  // "OK", "CANCEL" or "CLOSE"
};
typedef WindowDef FormDef;

// One item of a form. A blank record has an empty type, which is how a missing item is
// recognised; it is enabled and visible, and its colours are 0.
struct ItemDef {
  std::string type;
  std::string format;
  std::int32_t length = 0;
  std::int32_t sequence = 0;
  HWND control = nullptr;
  std::string value;
  bool notNull = false, edit = false, check = false, enable = true, visible = true;
  bool calendar = false;  // CALENDAR: a DATE field with a drop-down month calendar
  ColorValue backColor = 0, textColor = 0;
  HBRUSH backBrush = nullptr, textBrush = nullptr;
  std::int32_t controlId = 0;
  std::int32_t x = 0, y = 0, width = 0, height = 0;
  std::uint8_t anchors = kDefaultAnchors;
  std::string button;
  std::string remark;
  std::string accName;  // ACCNAME: what a screen reader reads, when the program names it
  std::string fieldType;
  HAlign hAlign = 0;
  VAlign vAlign = 0;
  std::string fontName;
  std::int32_t fontSize = 0;
  bool fontBold = false, fontItalic = false, fontUnderline = false;
  std::int32_t borderSize = 0;
  ColorValue borderColor = 0;
  std::string borderStyle;
  std::string properties;  // the property string as declared
  bool checkState = false;
  std::string currentText;  // the text recorded at the last exit from the field
  // What a field's control or a check box showed when its form last closed, which the
  // program reads while the form has no dialog; forgotten when the form is created again
  // or the program sets the value.
  bool keepsShown = false;
  std::string shownText;
  bool shownCheck = false;
  CurrencyFormatState currency;
  DateValue date;
};

// Form name "." item name.
std::string ItemKey(const std::string& formName, const std::string& itemName);

typedef std::map<std::string, WindowDef> WindowMap;
typedef std::map<std::string, ItemDef> ItemMap;

// What the indexes know of an item key: a key splits at its first "." into the form's
// name and the item's; a key with nothing before its first "." has no form part.
struct ItemIndex {
  std::set<std::pair<HWND, std::string>> byControl;  // (control, item key)
  // (form name, sequence number, item name)
  std::set<std::tuple<std::string, std::int32_t, std::string>> bySequence;
  std::set<std::string> formless;  // keys without a form part
};

// A grid item's columns and rows, kept by the grid's own module beside the item's record.
struct Grid;

struct Registry {
  WindowMap windows;
  ItemMap items;
  std::map<std::string, std::shared_ptr<Grid>> grids;  // by item key
  std::set<std::pair<HWND, std::string>> windowsByHandle;  // (handle, window name)
  ItemIndex itemIndex;
  std::string MainWindowName;     // the main window's key; set once it exists
  std::string CurrentFormName;    // the form being created or open
  std::string CurrentWindowName;  // the window the library works on by default
  std::vector<std::string> formsInEvent;  // forms whose callback is running, innermost last
  // Which declaration of a form is current: a form declared anew gets a number of its own,
  // and a restarted library gives every form a new one (see FormDeclaration).
  std::uint64_t restartDeclaration = 0;
  std::map<std::string, std::uint64_t> declarations;
};

// The one registry of the process.
Registry& TheRegistry();

// The control's recorded text and check state when it last got the focus; the exit from
// a field raises "ITEMCHG" when either differs. One for the library, overwritten at every
// focus notification.
struct FocusSnapshot {
  std::string text;
  bool checkState = false;
};
FocusSnapshot& TheFocusSnapshot();

WindowDef FindWindowDef(const std::string& name);
void StoreWindowDef(const std::string& name, const WindowDef& record);
ItemDef FindItemDef(const std::string& formName, const std::string& itemName);
void StoreItemDef(const std::string& itemKey, const ItemDef& record);
void StoreItemDef(const std::string& itemKey, ItemDef&& record);
// Stores every record of the map under its key, leaving the map empty.
void StoreItemDefs(ItemMap& records);

// The number of the form's current declaration, never the same for two declarations in
// the process: what the program attached to a form (the C++ layer's handlers) belongs to
// the declaration it was attached under.
std::uint64_t FormDeclaration(const std::string& formName);
// Starts a new declaration of the form, as declaring it again from a form file does.
void NewFormDeclaration(const std::string& formName);
// Forgets an item's record, its index entries and its grid, if any. For an item whose
// control no longer exists: the control, its brushes and its grid's view are the form's
// to release first.
void EraseItemDef(const std::string& itemKey);

// The names of a form's items, in key order.
std::vector<std::string> FormItemNames(const std::string& formName);

// The name of the form's item numbered sequence as a walk of every key in key order
// finds it: the first such item, unless a key without a form part comes before it.
// False when there is none.
bool FindItemBySequence(const std::string& formName, std::int32_t sequence,
                        std::string& itemName);

// The name of the form's item whose control is the given window, or the empty text. A
// null window names no item, although every item still without a control (a data grid's,
// for ever) records exactly that.
std::string FindItemNameByControl(const std::string& formName, HWND control);

// The name of the form whose dialog is the given window, or the empty text. Only forms
// record dialogs: the main window's record never names one.
std::string FindFormNameByDialog(HWND dialog);

// Empties the maps, their indexes and the three names.
void ResetRegistry();

#endif
