// One click on a form's button handled by the C callback ("c") or by a capturing lambda
// through the C++ layer ("cxx"), the rest of the program the same:
//   click_bench c|cxx CLICKS
// prints "click_us", the median time of a click sent to the button until it is handled.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_time.h"
#include "fenwix/fenwix.hpp"
#include "fenwix/registry/registry.h"

namespace {

constexpr char kFormName[] = "clicks";
int cClicks = 0;

std::intptr_t CountClicks(std::string, std::string item, std::string event, HWND, UINT, WPARAM,
                          LPARAM) {
  if (event == fx::event::ITEMCLIC && item == "go") ++cClicks;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "c") != 0 && std::strcmp(argv[1], "cxx") != 0)) {
    std::fprintf(stderr, "usage: click_bench c|cxx CLICKS\n");
    return 2;
  }
  const bool layer = std::strcmp(argv[1], "cxx") == 0;
  const int clicks = std::max(2, std::atoi(argv[2]));
  int layerClicks = 0;
  try {
    fx::MainWindow::create("ClickBench", "", 0, 0, 320, 240);
    fx::Form form(kFormName);
    // A few items besides the button, as a form has, so that finding the handler is not
    // a search of one.
    form.item("name", fx::item::EDIT, 1, 10, 10, 120, 24)
        .item("sure", fx::item::CHECKSYS, 2, 10, 40, 120, 24, "value=Sure")
        .item("go", fx::item::BUTTON, 3, 10, 70, 120, 28, "value=Go");
    if (layer) {
      form.on(fx::event::ITEMCHG, "name", [](fx::Event&) {})
          .on(fx::event::ITEMCLIC, "sure", [](fx::Event&) {})
          .on(fx::event::ITEMCLIC, "go", [&layerClicks](fx::Event&) { ++layerClicks; });
      form.create("edge=false", 0, 0, 300, 200);
    } else if (FX_FormCreate(kFormName, "edge=false", 0, 0, 300, 200, CountClicks)) {
      return 1;
    }
  } catch (const fx::Error& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  const HWND button = FindItemDef(kFormName, "go").control;
  if (!button) {
    std::fprintf(stderr, "no button\n");
    return 1;
  }
  std::vector<double> times;
  for (int click = 0; click < clicks; ++click) {
    const double before = Now();
    SendMessageA(button, BM_CLICK, 0, 0);
    times.push_back((Now() - before) * 1e6);
  }
  if ((layer ? layerClicks : cClicks) != clicks) {
    std::fprintf(stderr, "%d clicks sent, %d heard\n", clicks, layer ? layerClicks : cClicks);
    return 1;
  }
  std::printf("click_us %.2f\n", Median(times));
  return 0;
}
