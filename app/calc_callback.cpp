// The calculator's form callback and its display output.
#include "app/calc_callback.h"

#include <utility>

#include "app/calc_engine.h"
#include "app/calc_keys.h"
#include "app/calc_layout.h"

namespace {

// One calculator per process, entered only from the form's dialog procedure and the
// library's message loop, on the one thread that runs them.
CalcEngine& Engine() {
  static CalcEngine engine;
  return engine;
}

}  // namespace

ErrorCode ShowOnDisplay(const std::string& text) {
  return FX_FormItemSet(kCalcFormName, kDisplayItemName, fx::key::VALUE,
                        text.empty() ? std::string("0") : text);
}

void PressCalcKeys(const std::vector<std::string>& keys) {
  std::optional<std::string> shown;
  for (const std::string& key : keys)
    if (std::optional<std::string> text = Engine().press(key)) shown = std::move(text);
  if (shown) ShowOnDisplay(*shown);
}

std::intptr_t CalcCallback(std::string, std::string itemName, std::string eventName, HWND dialog,
                           UINT message, WPARAM wParam, LPARAM) {
  // Called from inside the dialog procedure or the message loop: an exception cannot
  // unwind through user32's frames, so an allocation failure only costs this one key.
  try {
    if (eventName == fx::event::ITEMCLIC) PressCalcKeys({itemName});
    if (eventName != fx::event::ITEMKEY) return 0;
    const std::optional<std::vector<std::string>> keys = TakeCalcKey(dialog, message, wParam);
    if (!keys) return 0;
    PressCalcKeys(*keys);
    return 1;
  } catch (...) {
  }
  return 0;
}

void ResetCalculator() { Engine().reset(); }
