// The main window in the theme in force.
#ifndef FENWIX_WINDOW_WINDOW_THEME_H
#define FENWIX_WINDOW_WINDOW_THEME_H

// The main window's background, where it has no BKCOL, and its title bar follow the theme,
// and it is repainted at once. Nothing happens before the main window exists.
void ShowMainWindowTheme();

#endif
