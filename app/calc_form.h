// The calculator's form: its seventeen items declared, the form created.
#ifndef NUMLET_CALC_FORM_H
#define NUMLET_CALC_FORM_H

// Declares the items of the shared table (their failures report themselves) and creates
// the form modeless in the main window with CalcCallback; a failure to create it is
// reported and the program goes on.
void BuildCalcForm();

#endif
