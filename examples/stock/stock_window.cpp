// The main form, in Polish. The grid is virtual: the program keeps the rows, narrows them
// by the search text as the user types, and sorts them when a header is clicked; the
// price and the date of the count are edited in the grid itself.
#include "stock_window.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "fenwix/fenwix.hpp"

namespace stock {
namespace {

constexpr char kForm[] = "stock";

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The order of two rows by a column: numbers by value, texts and ISO dates by their bytes.
bool Before(const Row& a, const Row& b, int column) {
  const std::string& x = a.fields[column];
  const std::string& y = b.fields[column];
  if (column == kQuantity || column == kPrice) return std::atof(x.c_str()) < std::atof(y.c_str());
  return x < y;
}

// The rows the search lets through, in the chosen order, then shown.
void ShowRows(Inventory& inventory) {
  const std::string search = Lower(inventory.search);
  inventory.view.clear();
  const auto& rows = inventory.file.rows;
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    if (search.empty() || Lower(rows[i].fields[kSku]).find(search) != std::string::npos ||
        Lower(rows[i].fields[kName]).find(search) != std::string::npos)
      inventory.view.push_back(i);
  }
  if (inventory.sortColumn >= 0) {
    const int column = inventory.sortColumn;
    const bool descending = inventory.descending;
    std::stable_sort(inventory.view.begin(), inventory.view.end(), [&](int a, int b) {
      return descending ? Before(rows[b], rows[a], column) : Before(rows[a], rows[b], column);
    });
  }
  fx::Form(kForm).grid("grid").source(
      static_cast<int>(inventory.view.size()),
      [&inventory](int row, const std::string& column) -> std::string {
        const Row& shown = inventory.file.rows.at(inventory.view.at(static_cast<std::size_t>(row)));
        for (int i = 0; i < kColumns; ++i)
          if (column == kColumnNames[i]) return shown.fields[i];
        return std::string();
      });
  Line("rows " + std::to_string(inventory.view.size()));
}

void Save(Inventory& inventory) {
  fx::Form form(kForm);
  if (!inventory.loaded || !form.commit()) return;
  // Written beside the file, then put in its place in one step: a failed write leaves
  // the old file whole.
  const std::wstring temporary = inventory.path + L".tmp";
  const std::string text = WriteStock(inventory.file);
  FILE* out = _wfopen(temporary.c_str(), L"wb");
  const bool written = out && std::fwrite(text.data(), 1, text.size(), out) == text.size();
  const bool closed = out && std::fclose(out) == 0;
  if (!written || !closed ||
      !MoveFileExW(temporary.c_str(), inventory.path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    form.status("Nie udało się zapisać pliku.");
    Line("save failed");
    return;
  }
  form.status("Zapisano " + std::to_string(inventory.file.rows.size()) + " pozycji.");
  Line("saved " + std::to_string(inventory.file.rows.size()));
}

void PrintLayout(HWND dialog) {
  int sequence = 0;
  for (const char* item : {"searchlabel", "search", "add", "save", "grid"}) {
    RECT r;
    const HWND control = GetDlgItem(dialog, ++sequence + 101);
    if (!control || !GetWindowRect(control, &r)) continue;
    Line(std::string("layout stock ") + item + " " + std::to_string(r.left) + " " +
         std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
         std::to_string(r.bottom - r.top));
  }
}

void Declare(fx::Form& form, Inventory& inventory) {
  form.item("searchlabel", fx::item::STATIC, 1, 10, 14, 150, 22, "value=Szukaj (SKU, nazwa):")
      .item("search", fx::item::EDIT, 2, 165, 10, 220, 24, "type=string;length=40;anchor=left,top,right")
      .item("add", fx::item::BUTTON, 3, 470, 8, 140, 28, "value=Dodaj towar…;anchor=top,right")
      .item("save", fx::item::BUTTON, 4, 620, 8, 120, 28, "value=Zapisz;anchor=top,right")
      .item("grid", fx::item::DATAGRID, 5, 10, 44, 730, 400, "anchor=left,top,right,bottom")
      .item("loading", fx::item::PROGRESS, 6, 392, 16, 70, 16, "value=0;anchor=top,right");
  form.grid("grid")
      .column("sku", "title=SKU;width=90")
      .column("name", "title=Nazwa;width=250")
      .column("qty", "title=Ilość;width=70;txhpos=right")
      .column("price", "title=Cena;type=currency;format=9999999.88;edit=true;notnull=true;width=110")
      .column("counted", "title=Inwentaryzacja;type=date;format=yyyy-mm-dd;edit=true;width=130");

  // Narrowed at every key, not only when the user leaves the field.
  form.on(fx::event::BEFORE, "search", [&inventory, form](fx::Event& event) {
    if (event.message() != WM_COMMAND || HIWORD(event.wParam()) != EN_CHANGE) return;
    inventory.search = form.text("search");
    if (inventory.loaded) ShowRows(inventory);
  });
  form.on(fx::event::COLCLIC, "grid", [&inventory](fx::Event& event) {
    const int column = event.column();
    if (column < 0 || column >= kColumns) return;
    inventory.descending = inventory.sortColumn == column && !inventory.descending;
    inventory.sortColumn = column;
    Line(std::string("sorted ") + kColumnNames[column] +
         (inventory.descending ? " descending" : " ascending"));
    ShowRows(inventory);
  });
  form.on(fx::event::CELLCHG, "grid", [&inventory, form](fx::Event& event) {
    const int column = event.column();
    if (event.row() < 0 || event.row() >= static_cast<int>(inventory.view.size())) return;
    Row& row = inventory.file.rows[inventory.view[static_cast<std::size_t>(event.row())]];
    row.fields[column] = form.get("grid", fx::key::VALUE);
    row.touched = true;
    Line("changed " + row.fields[kSku] + " " + kColumnNames[column] + " " + row.fields[column]);
  });
  form.on(fx::event::ITEMCLIC, "add", [&inventory](fx::Event&) {
    Row added;
    if (!inventory.loaded || !AskNewItem(inventory, added)) return;
    inventory.file.rows.push_back(added);
    Line("added " + added.fields[kSku]);
    ShowRows(inventory);
  });
  form.on(fx::event::ITEMCLIC, "save", [&inventory](fx::Event&) { Save(inventory); });
  // Where each control is on the screen, once the form shows and whenever it is resized,
  // for a script to click. Posted: the library moves the anchored items after BEFORE.
  form.on(fx::event::BEFORE, [](fx::Event& event) {
    const bool shown = event.message() == WM_SHOWWINDOW && event.wParam();
    if (shown || event.message() == WM_SIZE) {
      const HWND dialog = event.dialog();
      fx::post([dialog] { PrintLayout(dialog); });
    }
  });
}

}  // namespace

void Line(const std::string& text) {
  std::fputs((text + "\n").c_str(), stdout);
  std::fflush(stdout);
}

bool HasSku(const Inventory& inventory, const std::string& sku) {
  for (const Row& row : inventory.file.rows)
    if (row.fields[kSku] == sku) return true;
  return false;
}

void OpenStockForm(Inventory& inventory) {
  fx::Form form(kForm);
  Declare(form, inventory);
  form.create("edge=false;stbar=true;bkcol=lightgrey", 0, 0, 750, 480);
}

void FollowMainWindow(fx::MainWindow& window) {
  window.on(WM_SIZE, [](fx::Event& event) {
    if (event.wParam() == SIZE_MINIMIZED) return;
    fx::Form(kForm).move(0, 0, LOWORD(event.lParam()), HIWORD(event.lParam()));
  });
}

std::thread LoadInBackground(Inventory& inventory) {
  const std::wstring path = inventory.path;
  return std::thread([&inventory, path] {
    std::string text;
    if (FILE* in = _wfopen(path.c_str(), L"rb")) {
      char block[65536];
      std::size_t read;
      while ((read = std::fread(block, 1, sizeof block, in)) > 0) text.append(block, read);
      std::fclose(in);
    }
    auto file = std::make_shared<StockFile>();
    std::string error;
    const std::size_t total = text.size() ? text.size() : 1;
    const bool ok = ReadStock(text, *file, error, [total](std::size_t bytes) {
      const int percent = static_cast<int>(bytes * 100 / total);
      // The worker never touches a window: the bar is moved on the thread of the windows.
      fx::post([percent] {
        fx::Form(kForm).status("Wczytywanie… " + std::to_string(percent) + "%");
        fx::Form(kForm).set("loading", fx::key::VALUE, std::to_string(percent));
      });
    });
    // The rows change hands on the thread of the windows, where the grid reads them.
    fx::post([&inventory, file, ok, error] {
      if (!ok) {
        fx::Form(kForm).status("Błąd pliku: " + error);
        Line("load failed " + error);
        return;
      }
      inventory.file = std::move(*file);
      inventory.loaded = true;
      fx::Form(kForm).set("loading", fx::key::VALUE, "100");
      fx::Form(kForm).status("Wczytano " + std::to_string(inventory.file.rows.size()) + " pozycji.");
      Line("loaded " + std::to_string(inventory.file.rows.size()));
      ShowRows(inventory);
    });
  });
}

}  // namespace stock
