// The calculator's form as data: its names and the seventeen item declarations, in the
// order they are made. Start-up declares from this table and tests check against it.
#ifndef NUMLET_CALC_LAYOUT_H
#define NUMLET_CALC_LAYOUT_H

#include <cstddef>

inline constexpr const char kMainWindowName[] = "Main";
inline constexpr const char kCalcFormName[] = "calc";
inline constexpr const char kTitleItemName[] = "title";
inline constexpr const char kDisplayItemName[] = "display";

// One FX_FormItemAdd call of the form, x before y, in pixels.
struct CalcItemRow {
  int sequence;
  const char* name;
  const char* type;  // fx::item::STATIC or fx::item::BUTTON
  int x, y, width, height;
  const char* properties;
};

inline constexpr std::size_t kCalcItemCount = 17;
extern const CalcItemRow kCalcItems[kCalcItemCount];

#endif
