// entry.exe: a data-entry program on the public header alone, as a user of the library
// writes one. Its framed form "entry" holds a field of each type, a combo box, a check box
// and a stored grid, with OK and Cancel and the keys of Windows. After every close it
// prints what it reads of each item, and opens the form again; F9 closes the form with
// FX_FormClose(form, "OK"), F8 ends the program. Started with "modeless", the form stays
// open beside the main window, whose close saves after FX_FormCommit.
//
// Lines printed: "layout ITEM X Y W H" (screen pixels, also "cell" for the grid's first
// cost cell and "closebox"/"mainclose" for the close boxes), "ready", then after each close
// "read ITEM [VALUE]" for every item and "closed REASON".
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "fenwix/fenwix.h"

namespace {

const char kForm[] = "entry";
bool modeless = false;

struct Item {
  const char* name;
  const char* type;
  int sequence, x, y, width, height;
  const char* properties;
};
const Item kItems[] = {
    {"name", fx::item::EDIT, 1, 100, 10, 200, 24, "type=string;length=40"},
    {"when", fx::item::EDIT, 2, 100, 40, 120, 24, "type=date;format=dd/mm/yyyy"},
    {"price", fx::item::EDIT, 3, 100, 70, 120, 24, "type=currency;format=999999.88"},
    {"colour", fx::item::COMBOSYS, 4, 100, 100, 120, 120, "edit=true;value1=red;value2=green"},
    {"urgent", fx::item::CHECKSYS, 5, 100, 130, 14, 14, ""},
    {"grid", fx::item::DATAGRID, 6, 10, 155, 300, 90, ""},
    {"ok", fx::item::BUTTON, 7, 150, 255, 75, 26, "value=&OK;button=OK"},
    {"cancel", fx::item::BUTTON, 8, 235, 255, 75, 26, "value=Cancel;button=CANCEL"},
};

void Line(const std::string& text) {
  std::fputs((text + "\n").c_str(), stdout);
  std::fflush(stdout);
}

std::string Rect(const RECT& r) {
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top);
}

// The close box sits at the right end of the caption, right above the client area.
void LogCloseBox(const char* name, HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT corner = {client.right, client.top};
  ClientToScreen(window, &corner);
  const int x = corner.x - GetSystemMetrics(SM_CXSIZE) / 2;
  const int y = corner.y - GetSystemMetrics(SM_CYCAPTION) / 2;
  if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
    Line(std::string("layout ") + name + " " + std::to_string(x) + " " + std::to_string(y) + " 0 0");
}

// Every control's place on the screen, from the ids the library gives them.
void LogLayout(HWND dialog) {
  RECT r;
  for (const Item& item : kItems) {
    const HWND control = GetDlgItem(dialog, item.sequence + 101);
    if (control && GetWindowRect(control, &r)) Line(std::string("layout ") + item.name + " " + Rect(r));
  }
  const HWND list = GetDlgItem(dialog, 6 + 101);
  r = {};
  r.top = 1;  // the cost column
  r.left = LVIR_BOUNDS;
  if (SendMessageA(list, LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&r))) {
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    Line("layout cell " + Rect(r));
  }
  LogCloseBox("closebox", dialog);
  LogCloseBox("mainclose", GetAncestor(dialog, GA_ROOTOWNER));
  Line("ready");
}

void PrintValues() {
  for (const Item& item : kItems) {
    const bool box = std::strcmp(item.type, fx::item::CHECKSYS) == 0;
    if (box || std::strcmp(item.type, fx::item::EDIT) == 0 || std::strcmp(item.type, fx::item::COMBOSYS) == 0)
      Line(std::string("read ") + item.name + " [" +
           FX_FormItemGet(kForm, item.name, box ? fx::key::CHECK : fx::key::VALUE) + "]");
  }
  Line("read cell [" + FX_GridCellGet(kForm, "grid", 0, "cost") + "]");
  Line("closed " + FX_FormCloseReason(kForm));
}

std::intptr_t EntryEvents(std::string, std::string, std::string event, HWND dialog,
                          UINT message, WPARAM wParam, LPARAM) {
  // Told once the controls exist: the dialog's start has made them by the time it comes.
  if (event == fx::event::BEFORE && message == WM_INITDIALOG) PostMessageA(dialog, WM_APP, 0, 0);
  if (event == fx::event::BEFORE && message == WM_APP) LogLayout(dialog);
  if (event == fx::event::ITEMKEY && message == WM_KEYDOWN && (wParam == VK_F9 || wParam == VK_F8)) {
    FX_FormClose(kForm, wParam == VK_F9 ? "OK" : "QUIT");
    return 1;
  }
  return 0;
}

ErrorCode OpenEntry() {
  FX_GridRowCountSet(kForm, "grid", 2);
  FX_GridCellSet(kForm, "grid", 0, "what", "Paper");
  FX_GridCellSet(kForm, "grid", 0, "cost", "1.00");
  const std::string properties = "name=Entry;keys=windows;client=320,290";
  return FX_FormCreate(kForm, modeless ? properties : properties + ";modal=true", 60, 60, 0, 0,
                       EntryEvents);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A save from outside the form: what the user is typing is brought in first.
  if (message == WM_CLOSE) {
    Line("commit " + std::to_string(FX_FormCommit(kForm)));
    PrintValues();
  }
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showCommand) {
  modeless = commandLine && std::strstr(commandLine, "modeless");
  if (FX_WindowMainCreate("EntryMain", showCommand, MainWindowProc, "name=Entry main", 0, 0,
                          500, 400) != 0)
    return 1;
  for (const Item& item : kItems)
    FX_FormItemAdd(kForm, item.name, item.type, item.sequence, item.x, item.y, item.width,
                   item.height, item.properties);
  FX_GridColumnAdd(kForm, "grid", "what", "title=What;edit=true");
  FX_GridColumnAdd(kForm, "grid", "cost", "title=Cost;type=currency;format=9999.88;edit=true");
  if (modeless) {
    if (OpenEntry() != 0) return 1;
    return FX_MessageLoop();
  }
  // Opened again after every close, until F8.
  while (OpenEntry() == 0) {
    PrintValues();
    if (FX_FormCloseReason(kForm) == "QUIT") break;
  }
  return 0;
}
