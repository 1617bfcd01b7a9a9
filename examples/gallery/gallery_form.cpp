// The main form's items, its creation and its callback.
#include "gallery_form.h"

#include "details_form.h"
#include "event_log.h"
#include "item_table.h"
#include "orders_form.h"

namespace gallery {
namespace {

const char kForm[] = "gallery";

// Sequence numbers give the order in which the controls are made, and so the Tab order:
// the labels first, then the fields and buttons from top to bottom.
const ItemRow kItems[] = {
    {"title", fx::item::STATIC, 1, 10, 6, 620, 30,
     "value=Fenwix Gallery: every item type, field type and event;txhpos=center;"
     "txvpos=center;ftname=Arial;ftsize=14;ftbold=true;txcol=blue"},

    // Labels and borders.
    {"labelsHead", fx::item::STATIC, 2, 10, 44, 190, 18,
     "value=Labels and borders;ftname=Arial;ftsize=9;ftbold=true"},
    {"topLeft", fx::item::STATIC, 3, 10, 66, 190, 46,
     "value=Left and top, bold;txhpos=left;txvpos=top;ftname=Arial;ftsize=10;ftbold=true;"
     "txcol=blue;bkcol=white;brdsize=1;brdcol=blue"},
    {"centre", fx::item::STATIC, 4, 10, 118, 190, 46,
     "value=Centre, italic;txhpos=center;txvpos=center;ftname=Arial;ftsize=10;"
     "ftitalic=true;txcol=red;bkcol=yellow;brdsize=1"},
    {"bottomRight", fx::item::STATIC, 5, 10, 170, 190, 46,
     "value=Right and bottom, underlined;txhpos=right;txvpos=bottom;ftname=Arial;ftsize=10;"
     "ftuline=true;txcol=white;bkcol=darkgrey;brdsize=1"},
    {"frame", fx::item::RECT, 6, 10, 224, 190, 40, "brdstyle=solid;brdsize=2;brdcol=red;bkcol=cyan"},
    {"sunken", fx::item::STATIC, 7, 10, 272, 92, 40,
     "value=3DIN;brdstyle=3din;bkcol=white;txhpos=center;txvpos=center;ftname=Arial;ftsize=9"},
    {"raised", fx::item::STATIC, 8, 108, 272, 92, 40,
     "value=3DOUT;brdstyle=3dout;txhpos=center;txvpos=center;ftname=Arial;ftsize=9"},
    {"note", fx::item::STATIC, 9, 10, 320, 190, 56,
     "value=Shown and hidden at run time through FX_FormItemSet.;visible=false;"
     "txhpos=center;ftname=Arial;ftsize=9;txcol=magenta;bkcol=white;brdstyle=3din"},

    // Field captions.
    {"fieldsHead", fx::item::STATIC, 10, 215, 44, 235, 18,
     "value=Fields (Tab moves, the status bar helps);ftname=Arial;ftsize=9;ftbold=true"},
    {"dateLabel", fx::item::STATIC, 11, 215, 70, 70, 20, "value=Date;ftname=Arial;ftsize=9"},
    {"colourLabel", fx::item::STATIC, 12, 215, 100, 70, 20, "value=List;ftname=Arial;ftsize=9"},
    {"amountLabel", fx::item::STATIC, 13, 215, 130, 70, 20, "value=Amount;ftname=Arial;ftsize=9"},
    {"cityLabel", fx::item::STATIC, 14, 215, 160, 70, 20, "value=City;ftname=Arial;ftsize=9"},
    {"nameLabel", fx::item::STATIC, 15, 215, 190, 70, 20, "value=Name;ftname=Arial;ftsize=9"},
    {"subscribeLabel", fx::item::STATIC, 16, 310, 218, 140, 20,
     "value=Subscribe (CHECKSYS);ftname=Arial;ftsize=9"},
    {"showNoteLabel", fx::item::STATIC, 17, 310, 244, 140, 20,
     "value=Show the note;ftname=Arial;ftsize=9"},
    {"summary", fx::item::STATIC, 18, 215, 314, 235, 62,
     "value=Apply shows here what the fields show, Sample fills them in.;ftname=Arial;"
     "ftsize=9;bkcol=white;brdstyle=3din"},

    // Button captions.
    {"buttonsHead", fx::item::STATIC, 19, 470, 44, 160, 18,
     "value=Buttons;ftname=Arial;ftsize=9;ftbold=true"},
    {"reasonLabel", fx::item::STATIC, 20, 470, 142, 160, 20,
     "value=Details closed with:;ftname=Arial;ftsize=9"},
    {"reason", fx::item::STATIC, 21, 470, 164, 160, 26,
     "value=-;txhpos=center;txvpos=center;ftname=Courier New;ftsize=11;ftbold=true;"
     "bkcol=white;brdstyle=3din"},
    {"ordersNote", fx::item::STATIC, 22, 470, 240, 160, 46,
     "value=Two DATAGRIDs: 100,000 stored rows, 1,000,000 computed ones;ftname=Arial;ftsize=9"},

    // The fields and buttons, in Tab order.
    {"date", fx::item::EDIT, 23, 290, 66, 160, 24,
     "type=date;format=dd/mm/yyyy;length=10;remark=A date, day/month/year: 5.3.2005 is read too"},
    {"colour", fx::item::COMBOSYS, 24, 290, 96, 160, 150,
     "value1=Red;value2=Green;value3=Blue;value4=Yellow;value5=Grey;"
     "remark=A drop-down list: pick a colour"},
    {"amount", fx::item::EDIT, 25, 290, 126, 160, 24,
     "type=currency;format=999999.88;length=10;notnull=true;"
     "remark=An amount, up to 6 digits and 2 decimals (required)"},
    {"city", fx::item::COMBOSYS, 26, 290, 156, 160, 150,
     "edit=true;length=20;value1=Paris;value2=Lyon;value3=Nantes;value4=Łódź;"
     "remark=An editable combo: pick a city or type one"},
    {"name", fx::item::EDIT, 27, 290, 186, 160, 24,
     "type=string;length=20;notnull=true;remark=Your name, up to 20 characters (required)"},
    {"subscribe", fx::item::CHECKSYS, 28, 290, 220, 14, 14, "check=true"},
    {"showNote", fx::item::CHECKSYS, 29, 290, 246, 14, 14, ""},
    {"Apply", fx::item::BUTTONSYS, 30, 215, 276, 100, 28, ""},
    {"Sample", fx::item::BUTTONSYS, 31, 325, 276, 125, 28, ""},
    {"details", fx::item::BUTTON, 32, 470, 66, 160, 30,
     "value=Details...;bkcol=yellow;ftname=Arial;ftsize=10;remark=Opens a framed, modal form"},
    {"disabled", fx::item::BUTTON, 33, 470, 104, 160, 30,
     "value=Disabled button;enable=false;ftname=Arial;ftsize=10"},
    {"orders", fx::item::BUTTON, 34, 470, 202, 160, 30,
     "value=Orders...;bkcol=cyan;ftname=Arial;ftsize=10;"
     "remark=Opens a framed, modal form with two grids"},
    {"ok", fx::item::BUTTON, 35, 470, 300, 75, 30,
     "button=OK;value=OK;bkcol=green;txcol=white;ftname=Arial;ftsize=10;ftbold=true;"
     "remark=Closes the form with the reason OK"},
    {"cancel", fx::item::BUTTON, 36, 555, 300, 75, 30,
     "button=CANCEL;value=Cancel;bkcol=red;txcol=white;ftname=Arial;ftsize=10;ftbold=true;"
     "remark=Closes the form with the reason CANCEL"},
    {"english", fx::item::CHECKSYS, 37, 470, 344, 14, 14,
     "remark=The library's texts in English, or in French"},
    {"englishLabel", fx::item::STATIC, 38, 490, 342, 140, 20,
     "value=English texts;ftname=Arial;ftsize=9"},

    // Texts of any script, shown as the program gives them, in UTF-8.
    {"polish", fx::item::STATIC, 39, 10, 386, 190, 22,
     "value=Zażółć gęślą jaźń;txvpos=center;ftname=Arial;ftsize=10;bkcol=white;brdsize=1"},
    {"greek", fx::item::STATIC, 40, 215, 386, 235, 22,
     "value=Καλημέρα κόσμε;txvpos=center;txhpos=center;ftname=Arial;ftsize=10;bkcol=white;"
     "brdsize=1"},
    {"russian", fx::item::STATIC, 41, 470, 386, 160, 22,
     "value=Привет, мир;txvpos=center;txhpos=right;ftname=Arial;ftsize=10;bkcol=white;brdsize=1"},
};

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
    WatchForm(form, dialog, TableOf(kItems), event, message, wParam, lParam);
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
    } else if (event == fx::event::ITEMCHG && item == "showNote") {
      const bool checked = IsDlgButtonChecked(dialog, LOWORD(wParam)) == BST_CHECKED;
      SetItem("note", fx::key::VISIBLE, checked ? "true" : "false");
    }
  } catch (...) {
    // An exception must not unwind through the dialog manager; the event is dropped.
  }
  return 0;
}

}  // namespace

void MarkDetailsButton(bool urgent) {
  SetItem("details", fx::key::BKCOL, urgent ? "red" : "yellow");
}

ErrorCode DeclareGalleryForm() { return DeclareItems(kForm, TableOf(kItems)); }

ErrorCode CreateGalleryForm() {
  return FX_FormCreate(kForm, "edge=false;stbar=true;bkcol=lightgrey", 0, 0, 640, 470,
                       GalleryCallback);
}

}  // namespace gallery
