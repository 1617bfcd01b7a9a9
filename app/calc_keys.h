// The calculator from the keyboard: typed keys act as the form's keys, and the display's
// text goes to and comes from the clipboard.
#ifndef NUMLET_CALC_KEYS_H
#define NUMLET_CALC_KEYS_H

#include <windows.h>

// One key message ("ITEMKEY") of the calculator's form: true when it was the calculator's
// and has been acted on, so that the dialog manager must not see it.
//   digits, + - * = (main row or number pad), Return and number-pad Enter for "=",
//   Escape and Delete for "C/CE", Backspace, Ctrl+C to copy the display, Ctrl+V to type
//   the clipboard's text.
bool TakeCalcKey(HWND dialog, UINT message, WPARAM wParam);

#endif
