// The "Add item" form, in German: a modal form with the keys of Windows (Return is OK,
// Escape is Cancel), its own check that the SKU is new, and a nested question in Greek
// before typed values are thrown away.
#include <cstdio>

#include "fenwix/fenwix.hpp"
#include "inventory.h"

namespace stock {
namespace {

constexpr const char* kFields[] = {"sku", "name", "qty", "price", "counted"};

// "Discard changes?": true when the user answers yes.
bool ConfirmDiscard() {
  static bool declared = false;
  fx::Form form("discard");
  if (!declared) {
    // The Greek question mark, U+037E: an ASCII semicolon would end the property.
    form.item("question", fx::item::STATIC, 1, 20, 20, 260, 24,
              "value=Να απορριφθούν οι αλλαγές\u037E")
        .item("yes", fx::item::BUTTON, 2, 40, 60, 100, 28, "button=OK;value=Ναι")
        .item("no", fx::item::BUTTON, 3, 160, 60, 100, 28, "button=CANCEL;value=Όχι");
    declared = true;
  }
  fx::post([] { Line("open discard"); });
  form.create("name=Απόρριψη αλλαγών;modal=true;keys=windows;stbar=false", 220, 220, 310, 140);
  const bool yes = form.closeReason() == fx::word::OK;
  Line(std::string("discard ") + (yes ? "yes" : "no"));
  return yes;
}

void Declare(fx::Form& form, const Inventory& inventory) {
  struct Field {
    const char* label;
    const char* properties;
  } fields[] = {
      {"Artikelnummer", "type=string;length=20;notnull=true"},
      {"Bezeichnung", "type=string;length=60;notnull=true"},
      {"Menge", "type=currency;format=999999"},
      {"Preis (€)", "type=currency;format=9999999.88;notnull=true"},
      {"Gezählt am", "type=date;format=yyyy-mm-dd"},
  };
  int sequence = 1;
  for (int i = 0; i < kColumns; ++i) {
    const int y = 16 + 34 * i;
    form.item(std::string(kFields[i]) + "label", fx::item::STATIC, sequence++, 16, y + 3, 120, 22,
              std::string("value=") + fields[i].label);
    form.item(kFields[i], fx::item::EDIT, sequence++, 140, y, 220, 24, fields[i].properties);
  }
  form.item("ok", fx::item::BUTTON, sequence, 140, 196, 100, 28, "button=OK;value=Hinzufügen")
      .item("cancel", fx::item::BUTTON, sequence + 1, 260, 196, 100, 28,
            "button=CANCEL;value=Abbrechen");

  // The program's own check, before the library checks the fields and closes.
  form.on(fx::event::BEFORE, "ok", [&inventory, form](fx::Event& event) mutable -> std::intptr_t {
    if (event.message() != WM_COMMAND || HIWORD(event.wParam()) != BN_CLICKED) return 0;
    if (!HasSku(inventory, form.text("sku"))) return 0;
    form.status("Diese Artikelnummer gibt es schon.");
    Line("refused sku " + form.text("sku"));
    return 1;
  });
  // Cancel, Escape (the dialog's IDCANCEL) and the close box: typed values are only
  // thrown away when the user says so.
  form.on(fx::event::BEFORE, [form](fx::Event& event) -> std::intptr_t {
    const bool cancel =
        (event.message() == WM_COMMAND &&
         ((event.item() == "cancel" && HIWORD(event.wParam()) == BN_CLICKED) ||
          LOWORD(event.wParam()) == IDCANCEL)) ||
        (event.message() == WM_SYSCOMMAND && (event.wParam() & 0xFFF0) == SC_CLOSE);
    if (!cancel) return 0;
    bool typed = false;
    for (const char* field : kFields) typed = typed || !form.text(field).empty();
    return typed && !ConfirmDiscard() ? 1 : 0;
  });
}

std::string DateText(const fx::Date& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace

bool AskNewItem(const Inventory& inventory, Row& added) {
  static bool declared = false;
  fx::Form form("additem");
  if (!declared) {
    Declare(form, inventory);
    declared = true;
  }
  fx::post([] { Line("open additem"); });
  form.create("name=Neuer Artikel;modal=true;keys=windows", 120, 120, 390, 290);
  if (form.closeReason() != fx::word::OK) return false;
  added = Row();
  added.fields[kSku] = form.text("sku");
  added.fields[kName] = form.text("name");
  const std::optional<fx::Amount> quantity = form.amount("qty");
  added.fields[kQuantity] = quantity ? quantity->text() : "0";
  added.fields[kPrice] = form.amount("price")->text();
  const std::optional<fx::Date> counted = form.date("counted");
  added.fields[kCounted] = counted ? DateText(*counted) : "";
  return true;
}

}  // namespace stock
