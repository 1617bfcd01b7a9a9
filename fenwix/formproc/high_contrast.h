// High contrast: while the user has it on, the system's colours stand in for the colours
// a program declared, so that every text stays readable on its background.
#ifndef FENWIX_FORMPROC_HIGH_CONTRAST_H
#define FENWIX_FORMPROC_HIGH_CONTRAST_H

#include "fenwix/props/value_convert.h"

// Asked at every paint: the user may turn it on or off while the program runs.
bool HighContrastOn();

// The system colour of that index (COLOR_WINDOW, COLOR_BTNTEXT...).
ColorValue SystemColor(int index);

#endif
