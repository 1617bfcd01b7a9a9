// Texts shown in and read from windows in the program's encoding: through the platform's
// ANSI calls in ANSI mode, so that a program's windows are what they always were, and
// through its wide calls in UTF-8 mode, where every window of the library is a Unicode one.
#ifndef FENWIX_TEXT_WINDOW_TEXT_H
#define FENWIX_TEXT_WINDOW_TEXT_H

#include <windows.h>

#include <string>

// A window made with its first text (none for nullptr); the class name is ASCII.
HWND CreateTextWindow(DWORD exStyle, const char* className, const char* text, DWORD style,
                      int x, int y, int width, int height, HWND parent, HMENU menu,
                      HINSTANCE instance);

BOOL SetControlText(HWND control, const std::string& text);

// The whole text of a control, however long; empty for none or no control.
std::string ControlText(HWND control);

// A message whose lParam is a text (WM_SETTEXT, CB_ADDSTRING, CB_FINDSTRINGEXACT).
LRESULT SendTextMessage(HWND window, UINT message, WPARAM wParam, const std::string& text);

// DrawText's answer: the height of the text drawn, 0 for a failure.
int DrawWindowText(HDC dc, const std::string& text, RECT* rect, UINT format);

// A font of the face (pixel height as CreateFont takes it), for the program's texts: in
// UTF-8 mode a text may hold any script, so the font is chosen for none in particular.
HFONT CreateTextFont(int height, int weight, bool italic, bool underline, const std::string& face);

int ShowMessageBox(const std::string& text, const std::string& caption, UINT style);

#endif
