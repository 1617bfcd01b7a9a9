// The calculator's form callback: forwards key clicks and typed keys to the one CalcEngine
// of the process and writes what it yields into the display item.
#ifndef NUMLET_CALC_CALLBACK_H
#define NUMLET_CALC_CALLBACK_H

#include <cstdint>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"

// The FormCallback of form "calc". Acts on "ITEMCLIC", and on "ITEMKEY" for the keys the
// calculator reads, which it consumes (1); else 0.
std::intptr_t CalcCallback(std::string formName, std::string itemName, std::string eventName,
                           HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Writes text (the empty text as "0") into the display's VALUE; FX_FormItemSet's result.
ErrorCode ShowOnDisplay(const std::string& text);

// Presses the keys one after another and shows the display they end on.
void PressCalcKeys(const std::vector<std::string>& keys);

// Accumulator 0, no entry, no pending operator: the state at start-up.
void ResetCalculator();

#endif
