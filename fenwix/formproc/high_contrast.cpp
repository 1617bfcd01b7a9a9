#include "fenwix/formproc/high_contrast.h"

#include "fenwix/platform/platform.h"

bool HighContrastOn() {
  HIGHCONTRASTA contrast = {};
  contrast.cbSize = sizeof contrast;
  return os::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

ColorValue SystemColor(int index) { return static_cast<ColorValue>(os::GetSysColor(index)); }
