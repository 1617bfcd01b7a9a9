// FX_ThemeSet: the program's choice of theme, shown at once on the main window and every
// open form, and again whenever the user's Windows choice changes while it is followed.
#include <string>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/formproc/form_theme.h"
#include "fenwix/props/property_string.h"
#include "fenwix/registry/registry.h"
#include "fenwix/theme/theme.h"
#include "fenwix/window/window_theme.h"

namespace {

void ShowTheme() {
  ShowMainWindowTheme();
  // The names first: a repaint lets the program in, which may open or close a form.
  std::vector<std::string> forms;
  for (const auto& entry : TheRegistry().windows)
    if (entry.first != TheRegistry().MainWindowName) forms.push_back(entry.first);
  for (const std::string& formName : forms) ShowFormTheme(formName, true);
}

}  // namespace

ErrorCode FX_ThemeSet(std::string theme) {
  SaveErrorContext();
  // A report names the refused word where other reports name their window or item.
  SetErrorContext(theme, "FX_ThemeSet");
  const std::string upper = UpperCase(theme);
  ThemeChoice choice = ThemeChoice::kLight;
  if (upper == "DARK") {
    choice = ThemeChoice::kDark;
  } else if (upper == "SYSTEM") {
    choice = ThemeChoice::kSystem;
  } else if (upper != "LIGHT") {
    return Reported(1080);
  }
  ChooseTheme(choice);
  SetThemeRepaint(&ShowTheme);
  ShowTheme();
  RestoreErrorContext();
  return 0;
}
