// The calculator's form from the shared item table: light grey, frameless, no status bar,
// filling the top left of the main window.
#include "app/calc_form.h"

#include "app/calc_callback.h"
#include "app/calc_layout.h"
#include "fenwix/fenwix.h"

namespace {

constexpr char kFormProperties[] = "bkcol=lightgrey;edge=false;stbar=false";
constexpr int kFormWidth = 250;
constexpr int kFormHeight = 350;

}  // namespace

void BuildCalcForm() {
  for (const CalcItemRow& row : kCalcItems)
    FX_FormItemAdd(kCalcFormName, row.name, row.type, row.sequence, row.x, row.y, row.width,
                   row.height, row.properties);
  // Some failures are reported by FX_FormCreate too; the others only here.
  const ErrorCode code =
      FX_FormCreate(kCalcFormName, kFormProperties, 0, 0, kFormWidth, kFormHeight, CalcCallback);
  if (code) ReportError(code);
}
