// The main form's items, its creation and its callback.
#include "gallery_form.h"

#include "details_form.h"
#include "event_log.h"
#include "item_table.h"
#include "orders_form.h"

namespace gallery {
namespace {

const char kForm[] = "gallery";

void SetItem(const std::string& item, const std::string& key, const std::string& value) {
  const ErrorCode code = FX_FormItemSet(kForm, item, key, value);
  Line("set " + std::string(kForm) + " " + item + " " + key + "=[" + value + "] -> " +
       std::to_string(code));
}

// What the user sees in the fields now, whether or not each field has been left.
void ShowSummary() {
  const auto shown = [](const char* item, const char* key = fx::key::VALUE) {
    return "[" + FX_FormItemGet(kForm, item, key) + "]";
  };
  SetItem("summary", fx::key::VALUE,
          "Name " + shown("name") + ", date " + shown("date") + ", amount " + shown("amount") +
              ", list " + shown("colour") + ", city " + shown("city") + ", subscribed " +
              shown("subscribe", fx::key::CHECK));
  const ErrorCode code = FX_FormStatusSet(kForm, "Applied: the summary shows the fields");
  Line("status set " + std::string(kForm) + " -> " + std::to_string(code));
}

// The program fills the fields in; the user's next exit from them sees no change.
void FillSample() {
  SetItem("name", fx::key::VALUE, "Ada");
  SetItem("date", fx::key::VALUE, "05/03/2005");
  SetItem("amount", fx::key::VALUE, "1234.50");
  SetItem("colour", fx::key::VALUE, "Blue");
  SetItem("city", fx::key::VALUE, "Lyon");
  SetItem("subscribe", fx::key::CHECK, "false");
}

// The form is gone (OK, Cancel): say why, and end the program with it.
void FormClosed(HWND dialog) {
  Line("closed " + std::string(kForm) + " reason=[" + FX_FormCloseReason(kForm) + "]");
  PostMessageA(GetParent(dialog), WM_CLOSE, 0, 0);
}

std::intptr_t GalleryCallback(std::string form, std::string item, std::string event,
                              HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    LogEvent(form, item, event, message, wParam, lParam);
    WatchForm(form, dialog, ItemsOf(kForm), event, message, wParam, lParam);
    if (event == fx::event::BEFORE) {
      if (message == WM_DESTROY) {
        FormClosed(dialog);
      } else if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && item == "Apply") {
        // A system push button raises no named event: its click is seen here.
        ShowSummary();
      } else if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && item == "Sample") {
        FillSample();
      }
    } else if (event == fx::event::ITEMKEY && message == WM_KEYDOWN && wParam == VK_F1) {
      // A key of the program's own: answered, it goes no further.
      FX_FormStatusSet(form, "F1 on " + (item.empty() ? std::string("the form") : item) +
                                 ": Tab and Return move on, OK checks and closes");
      return 1;
    } else if (event == fx::event::ITEMCLIC && item == "details") {
      SetItem("reason", fx::key::VALUE, RunDetailsForm());
    } else if (event == fx::event::ITEMCLIC && item == "orders") {
      RunOrdersForm();
    } else if (event == fx::event::ITEMCHG && item == "english") {
      const bool checked = IsDlgButtonChecked(dialog, LOWORD(wParam)) == BST_CHECKED;
      const char* language = checked ? "US" : "FR";
      Line("language " + std::string(language) + " -> " + std::to_string(FX_LanguageSet(language)));
    } else if (event == fx::event::ITEMCHG && item == "dark") {
      const bool checked = IsDlgButtonChecked(dialog, LOWORD(wParam)) == BST_CHECKED;
      const char* theme = checked ? "DARK" : "LIGHT";
      Line("theme " + std::string(theme) + " -> " + std::to_string(FX_ThemeSet(theme)));
    } else if (event == fx::event::ITEMCHG && item == "showNote") {
      const bool checked = IsDlgButtonChecked(dialog, LOWORD(wParam)) == BST_CHECKED;
      SetItem("note", fx::key::VISIBLE, checked ? "true" : "false");
    }
  } catch (...) {
    // An exception must not unwind through the dialog manager; the event is dropped.
  }
  return 0;
}

// The progress bar fills a step every tick and starts again once full, with a busy spell
// in between: a timer of the thread, not of the form, so that the ticks are no events.
void CALLBACK AdvanceWork(HWND, UINT, UINT_PTR, DWORD) {
  static int step = 0;
  step = (step + 1) % 130;
  FX_FormItemSet(kForm, "working", fx::key::VALUE, step <= 100 ? std::to_string(step) : "-1");
}

}  // namespace

void MarkDetailsButton(bool urgent) {
  SetItem("details", fx::key::BKCOL, urgent ? "red" : "yellow");
}

ErrorCode CreateGalleryForm() {
  const ErrorCode code = FX_FormOpen(kForm, GalleryCallback);
  if (code == 0) SetTimer(nullptr, 0, 100, AdvanceWork);
  return code;
}

}  // namespace gallery
