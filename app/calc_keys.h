// The calculator from the keyboard: typed keys act as the form's keys, and the display's
// text goes to and comes from the clipboard.
#ifndef NUMLET_CALC_KEYS_H
#define NUMLET_CALC_KEYS_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// One key message ("ITEMKEY") of the calculator's form: when it was the calculator's, the
// names of the keys it presses, in order, for the caller to press; the dialog manager
// must then not see it. Nothing when it was not the calculator's.
//   digits, + - * = (main row or number pad), Return and number-pad Enter for "=",
//   Escape and Delete for "C/CE", Backspace, Ctrl+C to copy the display (no key), Ctrl+V
//   to type the clipboard's text (no key when the clipboard holds no number).
std::optional<std::vector<std::string>> TakeCalcKey(HWND dialog, UINT message, WPARAM wParam);

#endif
