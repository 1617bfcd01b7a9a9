// The seventeen items of the calculator's form: a title, a display and fifteen keys on a
// 45-pixel grid. The title and the display overlap by 15 pixels, and the "0" row sits 50
// pixels below the "1" row; both are the form's look, not slips. A screen reader reads a
// digit key by its caption and an operator key by the word it is spoken as.
#include "app/calc_layout.h"

#include "fenwix/fenwix.h"

const CalcItemRow kCalcItems[kCalcItemCount] = {
    {1, kTitleItemName, fx::item::STATIC, 5, 5, 230, 30,
     "value=Integer Calculator;txhpos=right;ftname=Arial;ftsize=8;txcol=blue"},
    {2, kDisplayItemName, fx::item::STATIC, 5, 20, 230, 30,
     "value=0;txhpos=right;txvpos=center;ftname=Courier New;ftsize=16;ftbold=true;"
     "brdstyle=3DIN;bkcol=white"},
    {3, "C/CE", fx::item::BUTTON, 122, 60, 80, 35, "bkcol=green;accname=clear"},
    {4, "7", fx::item::BUTTON, 32, 110, 35, 35, ""},
    {5, "8", fx::item::BUTTON, 77, 110, 35, 35, ""},
    {6, "9", fx::item::BUTTON, 122, 110, 35, 35, ""},
    {7, "*", fx::item::BUTTON, 167, 110, 35, 35, "bkcol=cyan;accname=times"},
    {8, "4", fx::item::BUTTON, 32, 155, 35, 35, ""},
    {9, "5", fx::item::BUTTON, 77, 155, 35, 35, ""},
    {10, "6", fx::item::BUTTON, 122, 155, 35, 35, ""},
    {11, "-", fx::item::BUTTON, 167, 155, 35, 35, "bkcol=cyan;accname=minus"},
    {12, "1", fx::item::BUTTON, 32, 200, 35, 35, ""},
    {13, "2", fx::item::BUTTON, 77, 200, 35, 35, ""},
    {14, "3", fx::item::BUTTON, 122, 200, 35, 35, ""},
    {15, "+", fx::item::BUTTON, 167, 200, 35, 35, "bkcol=cyan;accname=plus"},
    {16, "0", fx::item::BUTTON, 32, 250, 80, 35, ""},
    {17, "=", fx::item::BUTTON, 122, 250, 80, 35, "bkcol=red;txcol=white;accname=equals"},
};
