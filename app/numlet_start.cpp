// What WinMain does: reset the calculator, create the main window, declare and create the
// form, and run the loop until the main window is closed.
#include "app/numlet_start.h"

#include "app/calc_callback.h"
#include "app/calc_form.h"
#include "app/calc_layout.h"
#include "fenwix/fenwix.h"

namespace {

constexpr char kMainWindowProperties[] = "name=Numlet v1.0";
constexpr int kMainWidth = 250;
constexpr int kMainHeight = 350;

}  // namespace

int StartNumlet(int showCommand, WNDPROC mainWindowProc) {
  ResetCalculator();
  // The library has already shown its report of a failure.
  const ErrorCode code = FX_WindowMainCreate(kMainWindowName, showCommand, mainWindowProc,
                                             kMainWindowProperties, 0, 0, kMainWidth, kMainHeight);
  if (code) return code;
  BuildCalcForm();
  // Even without its form: the main window still closes the program.
  return FX_MessageLoop();
}
