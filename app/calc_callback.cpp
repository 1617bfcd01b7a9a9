// The calculator's form callback and its display output.
#include "app/calc_callback.h"

#include "app/calc_engine.h"
#include "app/calc_layout.h"

namespace {

// One calculator per process, entered only from the form's dialog procedure.
CalcEngine& Engine() {
  static CalcEngine engine;
  return engine;
}

}  // namespace

ErrorCode ShowOnDisplay(const std::string& text) {
  return FX_FormItemSet(kCalcFormName, kDisplayItemName, fx::key::VALUE,
                        text.empty() ? std::string("0") : text);
}

std::intptr_t CalcCallback(std::string, std::string itemName, std::string eventName, HWND,
                           UINT, WPARAM, LPARAM) {
  if (eventName != fx::event::ITEMCLIC) return 0;
  // Called from inside the dialog procedure: an exception cannot unwind through user32's
  // frames, so an allocation failure only costs this one key press.
  try {
    if (const std::optional<std::string> shown = Engine().press(itemName)) ShowOnDisplay(*shown);
  } catch (...) {
  }
  return 0;
}

void ResetCalculator() { Engine().reset(); }
