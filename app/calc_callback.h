// The calculator's form callback: forwards key clicks to the one CalcEngine of the
// process and writes what it yields into the display item.
#ifndef NUMLET_CALC_CALLBACK_H
#define NUMLET_CALC_CALLBACK_H

#include <cstdint>
#include <string>

#include "fenwix/fenwix.h"

// The FormCallback of form "calc". Acts on "ITEMCLIC" only and always returns 0.
std::intptr_t CalcCallback(std::string formName, std::string itemName, std::string eventName,
                           HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Writes text (the empty text as "0") into the display's VALUE; FX_FormItemSet's result.
ErrorCode ShowOnDisplay(const std::string& text);

// Accumulator 0, no entry, no pending operator: the state at start-up.
void ResetCalculator();

#endif
