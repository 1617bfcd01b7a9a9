// The theme in force and its colours. The user's Windows choice is read when the program
// chooses to follow it and again when the system says its colour set changed, never at a
// paint: the forms ask for the colours at every paint.
#include "fenwix/theme/theme.h"

#include <cstddef>

#include "fenwix/platform/platform.h"
#include "fenwix/text/encoding.h"

namespace {

struct ThemeState {
  ThemeChoice choice = ThemeChoice::kLight;
  bool systemDark = false;  // the user's last known Windows choice
  void (*repaint)() = nullptr;
};

ThemeState& State() {
  static ThemeState state;
  return state;
}

// AppsUseLightTheme is 0 when the user chose dark applications; a missing value (a
// platform before the choice existed) means light.
bool SystemPrefersDark() {
  DWORD light = 1;
  DWORD size = sizeof light;
  const LONG read = os::RegGetValueA(
      HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
      "AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size);
  return read == ERROR_SUCCESS && light == 0;
}

bool HighContrast() {
  HIGHCONTRASTA contrast = {};
  contrast.cbSize = sizeof contrast;
  return os::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

ColorValue Rgb(int red, int green, int blue) { return static_cast<ColorValue>(RGB(red, green, blue)); }
ColorValue System(int index) { return static_cast<ColorValue>(os::GetSysColor(index)); }

// Every text on its background is at least 4.5 : 1, a disabled caption included.
ThemeColors DarkColors() {
  const ColorValue text = Rgb(240, 240, 240);
  return {Rgb(32, 32, 32),   text,
          Rgb(45, 45, 45),   text,
          Rgb(58, 58, 58),   text,
          Rgb(170, 170, 170), Rgb(128, 128, 128),
          Rgb(37, 37, 37),   text,
          Rgb(38, 79, 120),  Rgb(255, 255, 255),
          Rgb(70, 70, 70),   Rgb(51, 51, 51),
          text};
}

// The colours the library has always used: black, white and grey by name, the rest the
// system's.
ThemeColors LightColors() {
  const ColorValue black = Rgb(0, 0, 0);
  const ColorValue white = Rgb(255, 255, 255);
  return {white,
          black,
          white,
          black,
          System(COLOR_BTNFACE),
          black,
          Rgb(191, 191, 191),
          black,
          System(COLOR_WINDOW),
          System(COLOR_WINDOWTEXT),
          System(COLOR_HIGHLIGHT),
          System(COLOR_HIGHLIGHTTEXT),
          System(COLOR_BTNFACE),
          System(COLOR_BTNFACE),
          System(COLOR_BTNTEXT)};
}

bool IsWord(LPARAM lParam, bool wide, const char* word) {
  if (!lParam) return false;
  for (std::size_t i = 0;; ++i) {
    const unsigned got = wide ? reinterpret_cast<const WCHAR*>(lParam)[i]
                              : static_cast<unsigned char>(reinterpret_cast<const char*>(lParam)[i]);
    if (got != static_cast<unsigned char>(word[i])) return false;
    if (!got) return true;
  }
}

}  // namespace

bool DarkThemeActive() {
  const ThemeState& state = State();
  const bool dark = state.choice == ThemeChoice::kDark ||
                    (state.choice == ThemeChoice::kSystem && state.systemDark);
  return dark && !HighContrast();
}

ThemeColors CurrentThemeColors() { return DarkThemeActive() ? DarkColors() : LightColors(); }

ThemeColors ItemThemeColors(const ItemDef& item) {
  const bool declares = item.textColor != kNoColor || item.backColor != kNoColor;
  return declares ? LightColors() : CurrentThemeColors();
}

ColorValue WindowBackColor(const WindowDef& window) {
  return window.ownBackColor || !DarkThemeActive() ? window.backColor : DarkColors().window;
}

ThemeChoice CurrentThemeChoice() { return State().choice; }

void ChooseTheme(ThemeChoice choice) {
  State().choice = choice;
  if (choice == ThemeChoice::kSystem) State().systemDark = SystemPrefersDark();
}

void SetThemeRepaint(void (*repaint)()) { State().repaint = repaint; }

void ThemeSettingChanged(LPARAM lParam, bool wide) {
  ThemeState& state = State();
  if (state.choice != ThemeChoice::kSystem || !IsWord(lParam, wide, "ImmersiveColorSet")) return;
  const bool dark = SystemPrefersDark();
  if (dark == state.systemDark) return;
  state.systemDark = dark;
  if (state.repaint) state.repaint();
}

void ThemeTitleBar(HWND window, bool dark) {
  // The attribute's number, which older headers lack; before Windows 10 20H1 it was 19.
  constexpr DWORD kImmersiveDarkMode = 20;
  const BOOL value = dark ? TRUE : FALSE;
  os::DwmSetWindowAttribute(window, kImmersiveDarkMode, &value, sizeof value);
}

void ThemeControl(HWND control, bool dark) {
  static const WideString kDarkTheme = WideText("DarkMode_Explorer");
  os::SetWindowTheme(control, dark ? kDarkTheme.c_str() : nullptr, nullptr);
}
