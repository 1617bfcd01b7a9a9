// A form in the theme in force: its title bar, the platform's controls and the parts the
// library colours itself, the grid and the status bar.
#ifndef FENWIX_FORMPROC_FORM_THEME_H
#define FENWIX_FORMPROC_FORM_THEME_H

#include <windows.h>

#include <string>

// Gives an open form's frame and controls the theme's look; with repaint, the form is
// painted again at once.
void ShowFormTheme(const std::string& formName, bool repaint);

// The status bar paints itself dark in the dark theme: the platform's bar knows only its
// background colour, and draws its text in the system's button-text colour.
void WatchStatusBar(HWND bar);

#endif
