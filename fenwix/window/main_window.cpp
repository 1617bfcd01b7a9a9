// FX_WindowMainCreate: the application's one main window, its class and its record.
#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/props/value_convert.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/library_start.h"
#include "fenwix/window/library_state.h"

// The show command is accepted for the platform's sake only: FX_WindowMove always shows
// the window in its normal state.
ErrorCode FX_WindowMainCreate(std::string name, int /*showCommand*/, WNDPROC procedure,
                              std::string properties, int x, int y, int width, int height) {
  SetErrorContext(name, "FX_WindowMainCreate");
  // A failed start-up has reported itself; creation goes on and fails where it must.
  if (!TheLibrary().initialised) FX_ResetFenwixIntl();

  if (name.empty()) return Reported(1);
  if (name.find('.') != std::string::npos) return Reported(26);
  if (!TheRegistry().MainWindowName.empty()) return Reported(2);

  std::string colorName = GetProperty(fx::key::BKCOL, properties);
  if (colorName.empty()) colorName = "white";
  const ColorValue backColor = ColorFromText(colorName);
  const HBRUSH background = os::CreateSolidBrush(static_cast<COLORREF>(backColor));
  if (!background) return Reported(1028);

  const HINSTANCE instance = TheLibrary().instance;
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = os::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name.c_str();
  if (!os::RegisterClassExA(&windowClass)) return Reported(1000);

  const HWND window = os::CreateWindowExA(0, name.c_str(), name.c_str(), WS_OVERLAPPEDWINDOW,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                          CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (!window) return Reported(1001);

  TheRegistry().MainWindowName = name;
  WindowDef record;
  record.handle = window;
  record.backColor = backColor;
  StoreWindowDef(name, record);

  const std::string title = GetProperty(fx::key::NAME, properties);
  if (!title.empty()) {
    const ErrorCode code = FX_WindowTitleSet(name, title);
    if (code) return code;
  }
  TheRegistry().CurrentWindowName = name;
  return FX_WindowMove(name, x, y, width, height);
}
