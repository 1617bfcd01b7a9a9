// stock.exe: an inventory tool on the C++ layer, in UTF-8 mode with Polish, German and
// Greek texts.
//   stock.exe FILE.csv
// loads the file on a worker thread, shows it in a grid to search, sort and edit, adds
// items and saves the file in place. It prints what it does, one line each, for scripts.
#include <windows.h>
#include <shellapi.h>

#include "fenwix/fenwix.hpp"
#include "stock_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  stock::Inventory inventory;
  inventory.path = arguments && count > 1 ? arguments[1] : L"stock.csv";
  LocalFree(arguments);

  int exitCode = 0;
  std::thread loader;
  try {
    FX_TextEncodingSet("UTF-8");
    fx::MainWindow window = fx::MainWindow::create(
        "Stock", "name=Magazyn · Lager · Αποθήκη;bkcol=lightgrey", 0, 0, 766, 520);
    stock::OpenStockForm(inventory);
    stock::FollowMainWindow(window);
    loader = stock::LoadInBackground(inventory);
    exitCode = fx::run();
  } catch (const fx::Error& error) {
    // Already a report's text; shown the way the library shows its own.
    stock::Line(std::string("error ") + std::to_string(error.code()));
    MessageBoxA(nullptr, error.what(), "Fenwix Error", MB_OK | MB_ICONERROR);
    exitCode = error.code();
  }
  if (loader.joinable()) loader.join();
  stock::Line("exit " + std::to_string(exitCode));
  return exitCode;
}
