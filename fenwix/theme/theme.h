// The theme: the colours of every part that takes a default colour, light (the library's
// look from the start) or dark, chosen by the program or following the user's Windows
// choice. A part with a colour of its own keeps it; high contrast wins over either theme.
#ifndef FENWIX_THEME_THEME_H
#define FENWIX_THEME_THEME_H

#include <windows.h>

#include "fenwix/props/value_convert.h"
#include "fenwix/registry/registry.h"

enum class ThemeChoice { kLight, kDark, kSystem };

// The default colours of the theme in force.
struct ThemeColors {
  ColorValue window;                   // the main window's and the forms' background
  ColorValue text;                     // labels and check boxes
  ColorValue field, fieldText;         // edit fields and combo boxes
  ColorValue buttonFace, buttonText;   // owner-drawn buttons
  ColorValue grayText;                 // a disabled button's caption
  ColorValue border;                   // a SOLID border without BRDCOL
  ColorValue list, listText;           // the grid's rows
  ColorValue selection, selectionText; // the grid's selected rows
  ColorValue gridLines;
  ColorValue header, headerText;       // the grid's header and the status bar
};

// The dark theme is in force: chosen, or followed from the system, and high contrast off.
bool DarkThemeActive();
ThemeColors CurrentThemeColors();

// The colours an item takes for those it does not declare. One that declares either of
// its colours was given it against the light look: it keeps that look whole, so that its
// text stays readable on its background.
ThemeColors ItemThemeColors(const ItemDef& item);

// The background of a window or form: its BKCOL, else the theme's window colour.
ColorValue WindowBackColor(const WindowDef& window);

// The choice in force, and a new one. Choosing the system reads the user's setting.
ThemeChoice CurrentThemeChoice();
void ChooseTheme(ThemeChoice choice);

// What everything open must do when the theme in force changes; set by the call that
// changes the theme, which knows every part of the library.
void SetThemeRepaint(void (*repaint)());

// WM_SETTINGCHANGE (its text wide for a Unicode window): when the system's colour set changed and the program follows it, the
// user's setting is read again and, if it changed, everything open is repainted.
void ThemeSettingChanged(LPARAM lParam, bool wide);

// Asks the platform for its dark title bar and dark control themes, or its default ones.
// Neither shows where the platform has no such look; nothing fails then.
void ThemeTitleBar(HWND window, bool dark);
void ThemeControl(HWND control, bool dark);

#endif
