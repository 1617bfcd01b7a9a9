// FX_WindowMainCreate: the application's one main window, its class and its record.
#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/props/value_convert.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/encoding.h"
#include "fenwix/theme/theme.h"
#include "fenwix/window/library_start.h"
#include "fenwix/window/library_state.h"
#include "fenwix/window/window_messages.h"

namespace {

template <class WindowClass>
WindowClass MainWindowClass(WNDPROC procedure, HBRUSH background) {
  WindowClass windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = TheLibrary().instance;
  windowClass.hCursor = os::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  return windowClass;
}

// The library's procedure in front of the program's: every message goes to the program's,
// and a change of DPI then moves the window to the platform's rectangle for it and places
// the forms inside it again. Of the kind of the window: Unicode in UTF-8 mode.
template <bool kWide>
LRESULT CALLBACK MainWindowProcIntl(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC program = TheLibrary().mainProcedure;
  const LRESULT answer =
      !program ? (kWide ? os::DefWindowProcW(window, message, wParam, lParam)
                        : os::DefWindowProcA(window, message, wParam, lParam))
      : kWide  ? os::CallWindowProcW(program, window, message, wParam, lParam)
               : os::CallWindowProcA(program, window, message, wParam, lParam);
  // Only top-level windows hear of a change of the user's colour choice.
  if (message == WM_SETTINGCHANGE) {
    try {
      ThemeSettingChanged(lParam, kWide);
    } catch (...) {
    }
  }
  if (message == WM_DPICHANGED) {
    // An exception cannot unwind through the platform's frames.
    try {
      MainWindowDpiChanged(window, reinterpret_cast<const RECT*>(lParam));
    } catch (...) {
    }
  }
  return answer;
}

// The library's procedure put in front of the window's own, the program's.
void WatchMainWindow(HWND window, bool wide) {
  const auto own = reinterpret_cast<LONG_PTR>(wide ? &MainWindowProcIntl<true>
                                                   : &MainWindowProcIntl<false>);
  const LONG_PTR program = wide ? os::SetWindowLongPtrW(window, GWLP_WNDPROC, own)
                                : os::SetWindowLongPtrA(window, GWLP_WNDPROC, own);
  TheLibrary().mainProcedure = reinterpret_cast<WNDPROC>(program);
}

// The class of the program's procedure, named as the window, and the window, with the
// library's procedure in front of the program's. In UTF-8 mode both are Unicode: the
// procedure gets the wide forms of the messages with a text.
ErrorCode MakeMainWindow(const std::string& name, WNDPROC procedure, HBRUSH background,
                         HWND& window) {
  const HINSTANCE instance = TheLibrary().instance;
  constexpr int kDefault = CW_USEDEFAULT;
  if (Utf8Text()) {
    const WideString wideName = WideText(name);
    WNDCLASSEXW windowClass = MainWindowClass<WNDCLASSEXW>(procedure, background);
    windowClass.lpszClassName = wideName.c_str();
    if (!os::RegisterClassExW(&windowClass)) return Reported(1000);
    window = os::CreateWindowExW(0, wideName.c_str(), wideName.c_str(), WS_OVERLAPPEDWINDOW,
                                 kDefault, kDefault, kDefault, kDefault, nullptr, nullptr,
                                 instance, nullptr);
  } else {
    WNDCLASSEXA windowClass = MainWindowClass<WNDCLASSEXA>(procedure, background);
    windowClass.lpszClassName = name.c_str();
    if (!os::RegisterClassExA(&windowClass)) return Reported(1000);
    window = os::CreateWindowExA(0, name.c_str(), name.c_str(), WS_OVERLAPPEDWINDOW, kDefault,
                                 kDefault, kDefault, kDefault, nullptr, nullptr, instance,
                                 nullptr);
  }
  if (!window) return Reported(1001);
  WatchMainWindow(window, Utf8Text());
  return 0;
}

}  // namespace

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

  WindowDef record;
  std::string colorName = GetProperty(fx::key::BKCOL, properties);
  record.ownBackColor = !colorName.empty();
  if (colorName.empty()) colorName = "white";
  record.backColor = ColorFromText(colorName);
  const HBRUSH background =
      os::CreateSolidBrush(static_cast<COLORREF>(WindowBackColor(record)));
  if (!background) return Reported(1028);

  HWND window = nullptr;
  const ErrorCode made = MakeMainWindow(name, procedure, background, window);
  if (made) return made;

  TheRegistry().MainWindowName = name;
  record.handle = window;
  StoreWindowDef(name, record);
  if (DarkThemeActive()) ThemeTitleBar(window, true);

  const std::string title = GetProperty(fx::key::NAME, properties);
  if (!title.empty()) {
    const ErrorCode code = FX_WindowTitleSet(name, title);
    if (code) return code;
  }
  TheRegistry().CurrentWindowName = name;
  return FX_WindowMove(name, x, y, width, height);
}
