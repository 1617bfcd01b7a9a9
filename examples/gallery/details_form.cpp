// The modal form's items, its creation and its callback; and the small modal form it opens
// in turn, which blocks it until it closes.
#include "details_form.h"

#include "event_log.h"
#include "gallery_form.h"
#include "item_table.h"

namespace gallery {
namespace {

const char kForm[] = "details";
const char kConfirmForm[] = "confirm";

const ItemRow kItems[] = {
    {"heading", fx::item::STATIC, 1, 10, 8, 340, 36,
     "value=A framed, modal form with its own fields and status bar. Return presses OK, "
     "Escape Cancel.;anchor=left,right;ftname=Arial;ftsize=9"},
    {"commentLabel", fx::item::STATIC, 2, 10, 56, 80, 20, "value=Comment;ftname=Arial;ftsize=9"},
    {"dueLabel", fx::item::STATIC, 3, 10, 88, 80, 20, "value=Due date;ftname=Arial;ftsize=9"},
    {"urgentLabel", fx::item::STATIC, 4, 115, 120, 230, 20,
     "value=Urgent (turns Details... red);ftname=Arial;ftsize=9"},
    {"comment", fx::item::EDIT, 5, 95, 52, 250, 24,
     "type=string;length=30;anchor=left,right;remark=Any comment, up to 30 characters"},
    {"due", fx::item::EDIT, 6, 95, 84, 120, 24,
     "type=date;format=dd.mm.yy;length=10;notnull=true;remark=A date as dd.mm.yy (required: OK checks it)"},
    {"urgent", fx::item::CHECKSYS, 7, 95, 122, 14, 14, ""},
    {"ok", fx::item::BUTTON, 8, 155, 150, 90, 30, "button=OK;value=OK;anchor=bottom;remark=Closes with the reason OK"},
    {"cancel", fx::item::BUTTON, 9, 255, 150, 90, 30,
     "button=CANCEL;value=Cancel;anchor=bottom;remark=Closes with the reason CANCEL"},
    {"later", fx::item::BUTTON, 10, 55, 150, 90, 30,
     "value=Later;anchor=bottom;remark=The program closes the form with the reason LATER"},
    {"confirm", fx::item::BUTTON, 11, 155, 190, 190, 26,
     "value=Confirm...;anchor=bottom;remark=Opens a second modal form above this one"},
};

const ItemRow kConfirmItems[] = {
    {"question", fx::item::STATIC, 1, 10, 10, 200, 20, "value=Keep these details?;ftname=Arial;ftsize=9"},
    {"yes", fx::item::BUTTON, 2, 10, 40, 95, 28, "button=OK;value=Yes"},
    {"no", fx::item::BUTTON, 3, 115, 40, 95, 28, "button=CANCEL;value=No"},
};

std::intptr_t ConfirmCallback(std::string form, std::string item, std::string event,
                              HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    LogEvent(form, item, event, message, wParam, lParam);
    if (event == fx::event::BEFORE && message == WM_SHOWWINDOW && wParam) {
      // The form it was opened from, and the main window below that, take no input
      // while it is shown.
      const HWND opener = GetWindow(dialog, GW_OWNER);
      const HWND mainWindow = opener ? GetWindow(opener, GW_OWNER) : nullptr;
      Line("blocked " + form + " opener=" + std::to_string(opener && !IsWindowEnabled(opener)) +
           " main=" + std::to_string(mainWindow && !IsWindowEnabled(mainWindow)));
      LogLayout(form, dialog, TableOf(kConfirmItems));
    }
  } catch (...) {
    // An exception must not unwind through the dialog manager; the event is dropped.
  }
  return 0;
}

void RunConfirmForm() {
  const ErrorCode code = FX_FormCreate(kConfirmForm, "name=Confirm;modal=true;stbar=false", 0,
                                       0, 230, 110, ConfirmCallback);
  if (code != 0) ReportError(code);
  Line("closed " + std::string(kConfirmForm) + " reason=[" + FX_FormCloseReason(kConfirmForm) +
       "] -> " + std::to_string(code));
}

std::intptr_t DetailsCallback(std::string form, std::string item, std::string event,
                              HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    LogEvent(form, item, event, message, wParam, lParam);
    WatchForm(form, dialog, TableOf(kItems), event, message, wParam, lParam);
    if (event == fx::event::ITEMCLIC && item == "confirm") RunConfirmForm();
    if (event == fx::event::ITEMCLIC && item == "later")
      Line("close " + form + " -> " + std::to_string(FX_FormClose(form, "LATER")));
    if (event == fx::event::ITEMCHG && item == "urgent")
      MarkDetailsButton(IsDlgButtonChecked(dialog, LOWORD(wParam)) == BST_CHECKED);
  } catch (...) {
    // An exception must not unwind through the dialog manager; the event is dropped.
  }
  return 0;
}

}  // namespace

ErrorCode DeclareDetailsForm() {
  const ErrorCode code = DeclareItems(kForm, TableOf(kItems));
  const ErrorCode confirmCode = DeclareItems(kConfirmForm, TableOf(kConfirmItems));
  return code ? code : confirmCode;
}

std::string RunDetailsForm() {
  // A modal form returns only once it is closed; a framed form is centred whatever its
  // position.
  // It grows with its frame (its comment widens, its buttons stay at the foot), never
  // below the size it opens at.
  const ErrorCode code = FX_FormCreate(
      kForm, "name=Gallery details;modal=true;stbar=true;bkcol=white;keys=windows;minsize=360,270",
      0, 0, 360, 270, DetailsCallback);
  if (code != 0) ReportError(code);
  MarkDetailsButton(false);
  const std::string reason = FX_FormCloseReason(kForm);
  Line("closed " + std::string(kForm) + " reason=[" + reason + "] -> " + std::to_string(code));
  return reason;
}

}  // namespace gallery
