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
      LogLayout(form, dialog, ItemsOf(kConfirmForm));
    }
  } catch (...) {
    // An exception must not unwind through the dialog manager; the event is dropped.
  }
  return 0;
}

void RunConfirmForm() {
  const ErrorCode code = FX_FormOpen(kConfirmForm, ConfirmCallback);
  if (code != 0) ReportError(code);
  Line("closed " + std::string(kConfirmForm) + " reason=[" + FX_FormCloseReason(kConfirmForm) +
       "] -> " + std::to_string(code));
}

std::intptr_t DetailsCallback(std::string form, std::string item, std::string event,
                              HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    LogEvent(form, item, event, message, wParam, lParam);
    WatchForm(form, dialog, ItemsOf(kForm), event, message, wParam, lParam);
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

std::string RunDetailsForm() {
  // A modal form returns only once it is closed; a framed form is centred whatever its
  // position.
  // It grows with its frame (its comment widens, its buttons stay at the foot), never
  // below the size it opens at.
  const ErrorCode code = FX_FormOpen(kForm, DetailsCallback);
  if (code != 0) ReportError(code);
  MarkDetailsButton(false);
  const std::string reason = FX_FormCloseReason(kForm);
  Line("closed " + std::string(kForm) + " reason=[" + reason + "] -> " + std::to_string(code));
  return reason;
}

}  // namespace gallery
