// Form background brushes, kept by form name. The dialog manager asks for the brush at
// every repaint; making a new one each time would leak one GDI object per repaint.
#include "fenwix/formproc/form_background.h"

#include <map>

#include "fenwix/error/reported.h"
#include "fenwix/formproc/high_contrast.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/theme/theme.h"

namespace {

struct FormBrush {
  ColorValue color = 0;
  HBRUSH brush = nullptr;
};

std::map<std::string, FormBrush>& Brushes() {
  static std::map<std::string, FormBrush> brushes;
  return brushes;
}

}  // namespace

INT_PTR FormBackground(const std::string& formName) {
  const ColorValue color =
      HighContrastOn() ? SystemColor(COLOR_WINDOW) : WindowBackColor(FindWindowDef(formName));
  FormBrush& kept = Brushes()[formName];
  if (kept.brush && kept.color == color) return reinterpret_cast<INT_PTR>(kept.brush);

  const HBRUSH brush = os::CreateSolidBrush(static_cast<COLORREF>(color));
  if (!brush) {
    Reported(1028);
    return 0;
  }
  if (kept.brush) os::DeleteObject(kept.brush);
  kept.color = color;
  kept.brush = brush;
  return reinterpret_cast<INT_PTR>(brush);
}

void ReleaseFormBackground(const std::string& formName) {
  auto it = Brushes().find(formName);
  if (it == Brushes().end()) return;
  if (it->second.brush) os::DeleteObject(it->second.brush);
  Brushes().erase(it);
}
